' An object subscript gives its default value before the array or list is indexed: the property
' may ReDim the array or let go of the list, and the script gets an error, not a crash.
Dim arr, list, mode, x
Class Index
  Public Default Property Get Value
    If mode = 1 Then ReDim arr(0)
    If mode = 2 Then list.Clear
    If mode = 3 Then Set list = Nothing
    Value = 3
  End Property
End Class
Sub Take(ByRef e) : e = 9 : End Sub
Dim i : Set i = New Index
On Error Resume Next
mode = 1
ReDim arr(5) : arr(i) = 7 : WScript.Echo "store", Err.Number, UBound(arr) : Err.Clear
ReDim arr(5) : x = arr(i) : WScript.Echo "read", Err.Number : Err.Clear
ReDim arr(5, 5) : arr(1, i) = 7 : WScript.Echo "store in two dimensions", Err.Number : Err.Clear
ReDim arr(5) : Take arr(i) : WScript.Echo "ByRef", Err.Number : Err.Clear
mode = 2
Set list = CreateObject("System.Collections.ArrayList")
list.Add 1 : list.Add 2 : list.Add 3 : list.Add 4
x = list(i) : WScript.Echo "list cleared", Err.Number, list.Count : Err.Clear
mode = 3
Set list = CreateObject("System.Collections.ArrayList")
list.Add 1 : list.Add 2 : list.Add 3 : list.Add 4
x = list(i) : WScript.Echo "list let go", Err.Number, x, TypeName(list) : Err.Clear
