' options: --timeout 200
' A script that never ends is stopped after the time-out, even under On Error Resume Next.
On Error Resume Next
WScript.Echo "spinning"
Dim n
Do
  n = n + 1
Loop
