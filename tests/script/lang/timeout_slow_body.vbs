' options: --timeout 200
' A loop whose body is one slow built-in is stopped on time too, at the statement running.
Dim s
Do
  s = Space(50000000)
Loop
