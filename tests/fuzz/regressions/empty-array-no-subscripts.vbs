' A dynamic array never sized, used with no subscripts: Subscript out of range, not a read past
' its storage.
Dim History()
History
