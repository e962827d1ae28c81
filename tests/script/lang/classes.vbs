' Classes: fields, properties, methods, default member, Me, Is, Nothing, and when
' Class_Initialize and Class_Terminate run.
Class Account
  Private mBalance
  Public Owner

  Private Sub Class_Initialize()
    mBalance = 0
    WScript.Echo "init"
  End Sub

  Private Sub Class_Terminate()
    WScript.Echo "terminate " & Owner
  End Sub

  Public Property Get Balance()
    Balance = mBalance
  End Property

  Public Property Let Balance(v)
    If v < 0 Then Err.Raise 5
    mBalance = v
  End Property

  Public Default Function Describe()
    Describe = Owner & ": " & mBalance
  End Function

  Public Function Deposit(amount)
    Balance = Balance + amount   ' the property, used by name inside the class
    Set Deposit = Me
  End Function
End Class

Class Pair
  Private mLeft
  Public Property Set Left(o)
    Set mLeft = o
  End Property
  Public Property Get Left()
    Set Left = mLeft
  End Property
End Class

Dim a, b, p
Set a = New Account
a.Owner = "ann"
a.Balance = 10
a.Deposit(5).Deposit 7
WScript.Echo a.Balance, a.Describe, a
WScript.Echo "text: " & a      ' the default member in a value context
Set b = a
WScript.Echo a Is b, a Is Nothing, TypeName(a)
Set p = New Pair
Set p.Left = a
WScript.Echo p.Left.Owner, p.Left Is a
Set p = Nothing
Set a = Nothing
WScript.Echo "still held by b"
Set b = Nothing
WScript.Echo "released"

Sub Scoped()
  Dim local
  Set local = New Account
  local.Owner = "local"
End Sub
Scoped
WScript.Echo "after scoped"

' Temporaries die at once: every object made in the loop is gone when it ends.
Class Tracked
  Private Sub Class_Terminate()
    gone = gone + 1
  End Sub
  Public Function Self()
    Set Self = Me
  End Function
End Class
Dim gone, k, t
gone = 0
For k = 1 To 1000
  Set t = New Tracked
  t.Self().Self
  If New Tracked Is Nothing Then WScript.Echo "never"
Next
Set t = Nothing
WScript.Echo "terminated:", gone
Dim last
Set last = New Account
last.Owner = "at end"
WScript.Echo "script ends"
