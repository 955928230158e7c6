' Mod with Null and Empty on either side: the remainder takes the dividend's sign.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null Mod 2)              ' OUT: Null:
MsgBox T(2 Mod Null)              ' OUT: Null:
MsgBox T(Empty Mod 5)             ' OUT: Integer:0
MsgBox T(10 Mod 3)                ' OUT: Integer:1
MsgBox T(-7 Mod 3)                ' OUT: Integer:-1
MsgBox T(7 Mod -3)                ' OUT: Integer:1
MsgBox T(CLng(10) Mod 3)          ' OUT: Long:1
MsgBox T(5.5 Mod 2)               ' OUT: Long:0
MsgBox T(CByte(10) Mod CByte(4))  ' OUT: Byte:2
MsgBox T("10" Mod 4)              ' OUT: Long:2
On Error Resume Next
x = 5 Mod Empty : MsgBox Err.Number : Err.Clear       ' OUT: 11
x = 2147483648 Mod 2 : MsgBox Err.Number : Err.Clear  ' OUT: 6
