Option Explicit
' Option Explicit: an undeclared name fails when the statement runs.
Dim known
known = 1
WScript.Echo "declared works"
unknown = 2
