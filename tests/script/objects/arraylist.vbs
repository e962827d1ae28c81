' System.Collections.ArrayList from .NET: values cross as .NET objects, so an Integer 1 and a
' Long 1 are different items, and misuse raises the .NET exception's HRESULT.
Option Explicit
Dim al, x, i, s, copy, a
Set al = CreateObject("System.Collections.ArrayList")
WScript.Echo TypeName(al) & " " & al.Count & " " & al.Capacity
WScript.Echo al.Add("b") & al.Add("c") & al.Add("a")
al.Insert 0, "z"
WScript.Echo Join(al.ToArray, ",") & " " & al.Count & " " & al.Capacity
al.Add "e"
WScript.Echo al.Capacity & " " & al(0) & al.Item(4)
al(0) = "y"
al.Item(1) = "B"
s = ""
For Each x In al
    s = s & x
Next
WScript.Echo s
WScript.Echo al.Contains("a") & " " & al.Contains("A") & " " & al.IndexOf("c", 0) & " " & al.IndexOf("q", 0)
al.Add "c"
WScript.Echo al.IndexOf("c", 3) & " " & al.LastIndexOf("c") & " " & al.IndexOf("c")
al.Remove "c"
al.Remove "not there"
al.RemoveAt 0
WScript.Echo Join(al.ToArray, ",")
al.Reverse
WScript.Echo Join(al.ToArray, ",")
al.Sort
WScript.Echo Join(al.ToArray, ",")

' Strings sort as Windows' culture orders them: case and accents come last.
al.Clear
For Each x In Array("banana", "Apple", "apple", "_x", "10", "9", "cherry", "Éclair", "eclair", "Zebra")
    al.Add x
Next
al.Sort
WScript.Echo Join(al.ToArray, " ") & " / " & al.Count

' Numbers of one type sort by value; Integer and Long are different types to .NET.
al.Clear
For Each x In Array(10, 2, -3, 7)
    al.Add x
Next
al.Sort
WScript.Echo Join(al.ToArray, " ") & " " & al.Contains(7) & " " & al.Contains(CLng(7)) & " " & al.Contains(7.0)
al.Add CLng(5)
On Error Resume Next
al.Sort
WScript.Echo "mixed sort: " & Err.Number & " " & Err.Source & " " & Err.Description
Err.Clear
x = al(99)
WScript.Echo "item: " & Err.Number
Err.Clear
al(-1) = 0
WScript.Echo "item set: " & Err.Number
Err.Clear
al.Insert 99, 0
WScript.Echo "insert: " & Err.Number
Err.Clear
al.RemoveAt 5
WScript.Echo "removeat: " & Err.Number
Err.Clear
al.RemoveRange 3, 5
WScript.Echo "removerange: " & Err.Number
Err.Clear
al.Capacity = 1
WScript.Echo "capacity: " & Err.Number
Err.Clear
For Each x In al
    al.Add 1
Next
WScript.Echo "changed while enumerated: " & Err.Number
Err.Clear
On Error GoTo 0

' Ranges, copies and Nothing, which .NET keeps as null and hands back as Empty.
al.Clear
al.AddRange Array("a", "b", "c", "d", "e")
al.RemoveRange 1, 2
al.InsertRange 1, Array("x", "y")
WScript.Echo Join(al.ToArray, "") & " " & Join(al.GetRange(1, 2).ToArray, "")
Set copy = al.Clone
copy.Add Nothing
copy.AddRange al
WScript.Echo copy.Count & " " & al.Count & " " & IsEmpty(copy(5)) & " " & copy.Contains(Empty)
a = al.ToArray
WScript.Echo VarType(a) & " " & UBound(a) & " " & UBound(CreateObject("System.Collections.ArrayList").ToArray)
copy.Clear
copy.TrimToSize
WScript.Echo copy.Count & " " & copy.Capacity

' Removing releases the values after they have left the list: a Class_Terminate that uses the
' list again sees it without them.
Class Leaver
    Public Name
    Private Sub Class_Terminate()
        WScript.Echo Name & " leaves " & list.Count
        list.Clear
        list.Add "after " & Name
    End Sub
End Class
Dim list, who
Set list = CreateObject("System.Collections.ArrayList")
For Each who In Array("a", "b", "c")
    list.Add New Leaver
    list(list.Count - 1).Name = who
Next
list.Add "plain"
list.RemoveAt 0
list.Insert 0, New Leaver
list(0).Name = "d"
list.RemoveRange 0, 1
list.Add New Leaver
list(1).Name = "e"
list.Clear
WScript.Echo list.Count & " " & list(0)
