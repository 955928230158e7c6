' * with Null and Empty on either side, and the result subtype at each boundary.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null * 0)                ' OUT: Null:
MsgBox T(0 * Null)                ' OUT: Null:
MsgBox T(Empty * 5)               ' OUT: Integer:0
MsgBox T(5 * Empty)               ' OUT: Integer:0
MsgBox T(181 * 181)               ' OUT: Integer:32761
MsgBox T(256 * 128)               ' OUT: Long:32768
MsgBox T(CInt(-256) * 128)        ' OUT: Integer:-32768
MsgBox T(46340 * 46340)           ' OUT: Long:2147395600
MsgBox T(46341 * 46341)           ' OUT: Double:2147488281
MsgBox T(CByte(15) * CByte(17))   ' OUT: Byte:255
MsgBox T(CByte(16) * CByte(16))   ' OUT: Integer:256
MsgBox T(CCur(2.5) * 2)           ' OUT: Currency:5
MsgBox T(CSng(2) * CSng(3))       ' OUT: Single:6
MsgBox T("3" * "4")               ' OUT: Double:12
MsgBox T(True * True)             ' OUT: Integer:1
On Error Resume Next
x = 1E+300 * 1E+300 : MsgBox Err.Number : Err.Clear           ' OUT: 6
x = CCur(922337203685477) * 2 : MsgBox Err.Number : Err.Clear ' OUT: 6
x = "x" * 2 : MsgBox Err.Number : Err.Clear                   ' OUT: 13
