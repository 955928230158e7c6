' A conversion function called as a statement raises 458.
On Error Resume Next
Call CInt(1)
MsgBox Err.Number                 ' OUT: 458
Err.Clear
CStr 1
MsgBox Err.Number                 ' OUT: 458
On Error GoTo 0
Call CLng(2)                      ' ERR: 458 9 0
