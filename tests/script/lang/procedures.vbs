' Functions return through their name, recurse, exit early; Subs ignore results.
Function Fact(n)
  If n <= 1 Then
    Fact = 1
    Exit Function
  End If
  Fact = n * Fact(n - 1)
End Function
WScript.Echo Fact(10)

Function Accumulate(n)
  Dim i
  Accumulate = 0
  For i = 1 To n
    Accumulate = Accumulate + i   ' the name reads as a variable inside
  Next
End Function
WScript.Echo Accumulate(100)

Function NoValue()
End Function
WScript.Echo "[" & NoValue() & "]", IsEmpty(NoValue)

Sub Greet(name, punct)
  WScript.Echo "hello " & name & punct
  If punct = "?" Then Exit Sub
  WScript.Echo "not reached for questions"
End Sub
Greet "world", "!"
Call Greet("you", "?")

' Locals are fresh on each call, globals shared.
Dim calls
Function Counted()
  Dim local
  local = local + 1
  calls = calls + 1
  Counted = local & "/" & calls
End Function
WScript.Echo Counted(), Counted(), Counted()

' A procedure defined after its first use.
WScript.Echo Later(2)
Function Later(v)
  Later = v * 21
End Function

' Undeclared names without Option Explicit are fresh locals of the procedure.
Sub Implicit()
  scratch = scratch & "x"
  WScript.Echo "[" & scratch & "]"
End Sub
Implicit
Implicit
' A script-level name without Dim exists once a statement using it has run.
Sub UsesCounter()
  counter = counter + 1
End Sub
UsesCounter
WScript.Echo "[" & counter & "]"   ' the Sub's counter was its own; this line makes the global
UsesCounter
WScript.Echo counter
' A procedure's Const holds in all of the procedure, also above its line, as a script's does.
Sub EarlyConst
  WScript.Echo "early const:", limit, TypeName(limit)
  If limit > 0 Then Const limit = 3
End Sub
EarlyConst
