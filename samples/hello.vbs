' A first taste of the engine: run with build/bin/tarvik-vbs samples/hello.vbs
Option Explicit

Function Greet(name)
    Greet = "Hello, " & name & "! The time is " & Time & "."
End Function

WScript.Echo Greet("Tarvik")
