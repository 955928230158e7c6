' / with Null and Empty on either side: a Double unless both sides are Singles.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null / 1)                ' OUT: Null:
MsgBox T(1 / Null)                ' OUT: Null:
MsgBox T(Empty / 2)               ' OUT: Double:0
MsgBox T(6 / 3)                   ' OUT: Double:2
MsgBox T(CInt(1) / CInt(4))       ' OUT: Double:0.25
MsgBox T(CSng(1) / CSng(4))       ' OUT: Single:0.25
MsgBox T(CLng(1) / CSng(4))       ' OUT: Double:0.25
MsgBox T("9" / 2)                 ' OUT: Double:4.5
On Error Resume Next
x = 1 / Empty : MsgBox Err.Number : Err.Clear       ' OUT: 11
x = 1 / 0 : MsgBox Err.Number : Err.Clear           ' OUT: 11
x = 0 / 0 : MsgBox Err.Number : Err.Clear           ' OUT: 6
x = 1E+308 / 1E-10 : MsgBox Err.Number : Err.Clear  ' OUT: 6
