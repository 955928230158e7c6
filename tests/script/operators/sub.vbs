' - with Null and Empty on either side, and the result subtype at each boundary.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null - 1)                ' OUT: Null:
MsgBox T(1 - Null)                ' OUT: Null:
MsgBox T(Empty - 1)               ' OUT: Integer:-1
MsgBox T(1 - Empty)               ' OUT: Integer:1
MsgBox T(Empty - Empty)           ' OUT: Integer:0
MsgBox T(CInt(-32767) - 1)        ' OUT: Integer:-32768
MsgBox T(CInt(-32768) - 1)        ' OUT: Long:-32769
MsgBox T(CLng(-2147483647) - 1)   ' OUT: Long:-2147483648
MsgBox T(CLng(-2147483647) - 2)   ' OUT: Double:-2147483649
MsgBox T(CByte(0) - CByte(1))     ' OUT: Integer:-1
MsgBox T(CCur(1) - 0.5)           ' OUT: Currency:0.5
MsgBox T("5" - "2")               ' OUT: Double:3
MsgBox TypeName(Now - 1)          ' OUT: Date
MsgBox TypeName(Now - Now)        ' OUT: Double
On Error Resume Next
x = "a" - Empty : MsgBox Err.Number : Err.Clear                ' OUT: 13
x = -1.7E+308 - 1.7E+308 : MsgBox Err.Number : Err.Clear       ' OUT: 6
