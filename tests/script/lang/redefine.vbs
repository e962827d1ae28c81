' A Sub or Function defined again replaces the earlier definition: in one script the last one is
' used everywhere, and ExecuteGlobal may replace one later. Declaring a variable twice in one scope
' is still Name redefined.
Sub Greet
    WScript.Echo "first Greet"
End Sub
Greet
Sub Greet
    WScript.Echo "second Greet"
End Sub
Function Twice(n)
    Twice = n + n
End Function
Sub UseBoth
    Greet
    WScript.Echo Twice(4)
End Sub
UseBoth
ExecuteGlobal "Function Twice(n) : Twice = ""twice "" & n : End Function"
ExecuteGlobal "Sub Greet : WScript.Echo ""third Greet"" : End Sub"
UseBoth
Greet

' A Sub that Execute defines in a procedure may be defined again when the procedure runs again.
Sub DefinesHelper(word)
    Execute "Sub Helper : WScript.Echo """ & word & """ : End Sub"
    Helper
End Sub
DefinesHelper "one"
DefinesHelper "two"

On Error Resume Next
ExecuteGlobal "Dim once : Dim once"
WScript.Echo "Dim twice:", Err.Number, Err.Description
Err.Clear
Sub DimsTwice
    Execute "Dim d : Dim d"
End Sub
DimsTwice
WScript.Echo "Dim twice in Execute:", Err.Number, Err.Description
Err.Clear

' The predefined constants are not reserved words, but a script-level Dim or Const of one is Name
' redefined, and assigning one is Illegal assignment; a procedure may have its own by that name.
ExecuteGlobal "Dim vbCrLf"
WScript.Echo "Dim vbCrLf:", Err.Number
Err.Clear
ExecuteGlobal "Const vbRed = 1"
WScript.Echo "Const vbRed:", Err.Number, vbRed
Err.Clear
vbTab = 1
WScript.Echo "vbTab = 1:", Err.Number, Len(vbTab)
Err.Clear
Sub OwnConstant
    Dim vbCr
    vbCr = "mine"
    Const vbLf = 10
    WScript.Echo vbCr, vbLf
End Sub
OwnConstant
WScript.Echo Err.Number, Asc(vbCr)
