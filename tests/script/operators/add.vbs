' + with Null and Empty on either side, and the result subtype at each boundary.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null + 1)              ' OUT: Null:
MsgBox T(1 + Null)              ' OUT: Null:
MsgBox T("a" + Null)            ' OUT: Null:
MsgBox T(Empty + Null)          ' OUT: Null:
MsgBox T(Empty + 1)             ' OUT: Integer:1
MsgBox T(1 + Empty)             ' OUT: Integer:1
MsgBox T(Empty + Empty)         ' OUT: Integer:0
MsgBox T(Empty + "a")           ' OUT: String:a
MsgBox T(CLng(5) + Empty)       ' OUT: Long:5
MsgBox T(32766 + 1)             ' OUT: Integer:32767
MsgBox T(32767 + 1)             ' OUT: Long:32768
MsgBox T(CInt(-32767) + -1)     ' OUT: Integer:-32768
MsgBox T(CInt(-32768) + -1)     ' OUT: Long:-32769
MsgBox T(CByte(1) + 32766)      ' OUT: Integer:32767
MsgBox T(CByte(1) + 32767)      ' OUT: Long:32768
MsgBox T(2147483646 + 1)        ' OUT: Long:2147483647
MsgBox T(2147483647 + 1)        ' OUT: Double:2147483648
MsgBox T(CByte(254) + CByte(1)) ' OUT: Byte:255
MsgBox T(CByte(255) + CByte(1)) ' OUT: Integer:256
MsgBox T(CCur(1.5) + 1)         ' OUT: Currency:2.5
MsgBox T(CSng(1.5) + CInt(1))   ' OUT: Single:2.5
MsgBox T(CSng(1.5) + CLng(1))   ' OUT: Double:2.5
MsgBox T("1" + "2")             ' OUT: String:12
MsgBox T("1" + 2)               ' OUT: Double:3
MsgBox T(True + 1)              ' OUT: Integer:0
i = 32766 : i = i + 1 : MsgBox T(i) ' OUT: Integer:32767
i = i + 1 : MsgBox T(i)             ' OUT: Long:32768
For i = 32766 To 32767 : Next : MsgBox T(i) ' OUT: Long:32768
On Error Resume Next
x = CCur(922337203685477) + 1 : MsgBox Err.Number : Err.Clear ' OUT: 6
x = 1.7E+308 + 1.7E+308 : MsgBox Err.Number : Err.Clear       ' OUT: 6
x = "a" + 1 : MsgBox Err.Number : Err.Clear                   ' OUT: 13
