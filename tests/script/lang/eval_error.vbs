' A runtime error in Eval's text is reported at the statement that ran it.
Sub F
  x = Eval("1 / 0")
End Sub
F
