' Assigning to Err replaces the variable; the errors that follow still go to the Err object.
On Error Resume Next
Err=1
i
