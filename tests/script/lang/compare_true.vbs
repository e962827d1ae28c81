' "If Blah = True" is not "If Blah": a string that reads "True" is not equal to the Boolean True
' (and comparing them is no error), while two literals compare as text.
Dim Blah
Blah = "True"
WScript.Echo Blah = True, Blah = False, "True" = True
If Blah = True Then WScript.Echo "equal" Else WScript.Echo "not equal"
