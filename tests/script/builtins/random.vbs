' Rnd and Randomize reproduce Windows' sequences exactly.
Dim i, line
line = ""
For i = 1 To 5
    line = line & " " & Rnd
Next
WScript.Echo "Unseeded:" & line
WScript.Echo "Rnd(0) repeats: " & Rnd(0) & " " & Rnd(0)
WScript.Echo "TypeName: " & TypeName(Rnd)

WScript.Echo "Rnd(-1): " & Rnd(-1) & " " & Rnd & " " & Rnd & " " & Rnd
WScript.Echo "Rnd(-1) again: " & Rnd(-1)
WScript.Echo "Rnd(-5): " & Rnd(-5)

' The usual way to get a repeatable sequence: reset, then seed.
x = Rnd(-1)
Randomize 42
WScript.Echo "Randomize 42: " & Rnd & " " & Rnd & " " & Rnd

x = Rnd(-1)
Randomize 42
line = ""
For i = 1 To 10
    line = line & Int(Rnd * 6) + 1
Next
WScript.Echo "Dice: " & line

Randomize
r = Rnd
WScript.Echo "Clock seed in range: " & (r >= 0 And r < 1)
