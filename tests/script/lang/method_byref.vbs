' An array element passed to a method of a script object goes by reference when the parameter is
' ByRef, as it does to any procedure; ByVal parameters and parenthesised arguments get a copy.
Class Counter
    Sub Bump(n)
        n = n + 1
    End Sub
    Sub BumpCopy(ByVal n)
        n = n + 1
    End Sub
    Function Scaled(n)
        n = n * 10
        Scaled = n
    End Function
    Sub BumpFirst(list)
        Me.Bump list(0)
    End Sub
End Class

Dim c, a(2), m(1, 1)
Set c = New Counter
a(1) = 1
c.Bump a(1)
WScript.Echo "ByRef:", a(1)
c.BumpCopy a(1)
WScript.Echo "ByVal:", a(1)
Call c.Bump(a(1))
WScript.Echo "Call:", a(1)
c.Bump (a(1))
WScript.Echo "parenthesised:", a(1)
WScript.Echo "function:", c.Scaled(a(1)), a(1)
m(1, 0) = 5
c.Bump m(1, 0)
WScript.Echo "two dimensions:", m(1, 0)
With c
    .Bump a(2)
End With
WScript.Echo "With:", a(2)
c.BumpFirst a
WScript.Echo "Me:", a(0)

' A procedure that did not exist when the call was compiled gets the element by reference too.
Sub Early(list)
    Late list(0)
End Sub
ExecuteGlobal "Sub Late(x) : x = ""changed"" : End Sub"
Early a
WScript.Echo "later Sub:", a(0)

Dim d
Set d = CreateObject("Scripting.Dictionary")
d.Add a(1), "thirty"
WScript.Echo "Dictionary:", d.Exists(30), d(a(1))
