' ^ with Null and Empty on either side; always a Double.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null ^ 2)                ' OUT: Null:
MsgBox T(2 ^ Null)                ' OUT: Null:
MsgBox T(Empty ^ 0)               ' OUT: Double:1
MsgBox T(3 ^ Empty)               ' OUT: Double:1
MsgBox T(2 ^ 3)                   ' OUT: Double:8
MsgBox T(2 ^ -1)                  ' OUT: Double:0.5
MsgBox T(4 ^ 0.5)                 ' OUT: Double:2
MsgBox T(2 ^ 3 ^ 2)               ' OUT: Double:64
On Error Resume Next
x = (-8) ^ (1 / 3) : MsgBox Err.Number : Err.Clear  ' OUT: 5
x = 10 ^ 309 : MsgBox Err.Number : Err.Clear        ' OUT: 6
