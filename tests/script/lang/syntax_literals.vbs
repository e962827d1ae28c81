' Number literals, their types, and operators as Windows reads them.
WScript.Echo 10., TypeName(10.), 1e-94938484, TypeName(1e-94938484), 1.e2, 1E+2
WScript.Echo TypeName(&h10&), &h10&, TypeName(&HFFFF), &HFFFF, TypeName(&HFFFF&), &HFFFF&, &H8000, &H7FFF
WScript.Echo &O17, TypeName(&O17), &O177777, &HFFFFFFFF, TypeName(&H10000), &H10000
' "&" before a digit is octal, as &O is: "a"&17 is no concatenation.
WScript.Echo &17, TypeName(&17), &177777, &37777777777, TypeName(&37777777777), &17&, TypeName(&100000&), "a"&Chr(98)
WScript.Echo TypeName(32767), TypeName(32768), TypeName(2147483647), TypeName(2147483648)
WScript.Echo TypeName(1.5E3), 1.5E3, TypeName(.5), .5, TypeName(007), 1e308 / 1e308
' "=>" and "=<" are ">=" and "<="; "><" is "<>".
WScript.Echo 3 => 2, 3 =< 2, 2 =< 2, 3 >< 2, 2 >< 2
' A sign binds tighter than "^".
WScript.Echo -3^2, 2^-1, -2^-2, -2^2^3, 2 * -3 ^ 2, - 2 * 3, 1 + -2, -(3^2)
Dim a, b, c
a = "x" : b = 1 : c = 2
WScript.Echo Not b = c, a & b + c, b + c & a, 7 \ 2 Mod 3, 7 Mod 2 * 3, 10 \ 3 * 2, 2 * 3 ^ 2
WScript.Echo 1 Or 2 And 0, True Xor True Or True, 5 - 3 - 1, 2 ^ 3 ^ 2, 1 = 1 = True, Not 0 = 1
' The largest Double as VBScript prints it is a valid literal; a larger one is Invalid number.
WScript.Echo 1.79769313486232E308, -1.79769313486232E308, TypeName(1.79769313486232E308), 1.79769313486232E308 / 2
On Error Resume Next
Execute "big = 1.79769313486233E308"
WScript.Echo Err.Number, IsEmpty(big)
Err.Clear
Execute "big = &40000000000"
WScript.Echo Err.Number, IsEmpty(big)
Err.Clear
Execute "big = ""a""&17"
WScript.Echo Err.Number, IsEmpty(big)
' Date literals in the forms CDate reads; a time alone is on 12/30/1899 and prints as a time.
WScript.Echo #2003-01-02#, #January 2, 2003#, #2 Jan 2003#, #1/2/2003 10:00 PM#, #22:15#, CDbl(#12:00#)
Dim grid(2, 3), row( 4 )
WScript.Echo UBound(grid, 2), UBound(row)
