' \ with Null and Empty on either side: operands round to whole numbers, the result is
' a Byte, Integer or Long.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null \ 1)                ' OUT: Null:
MsgBox T(1 \ Null)                ' OUT: Null:
MsgBox T(Empty \ 5)               ' OUT: Integer:0
MsgBox T(32767 \ 1)               ' OUT: Integer:32767
MsgBox T(CLng(32767) \ 1)         ' OUT: Long:32767
MsgBox T(7 \ 2)                   ' OUT: Integer:3
MsgBox T(-7 \ 2)                  ' OUT: Integer:-3
MsgBox T(CByte(7) \ CByte(2))     ' OUT: Byte:3
MsgBox T(7.5 \ 2)                 ' OUT: Long:4
MsgBox T(6.5 \ 1)                 ' OUT: Long:6
MsgBox T("7" \ 2)                 ' OUT: Long:3
MsgBox T(True \ 1)                ' OUT: Integer:-1
On Error Resume Next
x = 5 \ Empty : MsgBox Err.Number : Err.Clear                 ' OUT: 11
x = 2147483648 \ 1 : MsgBox Err.Number : Err.Clear            ' OUT: 6
x = CLng(-2147483647) - 1 : x = x \ -1 : MsgBox Err.Number : Err.Clear ' OUT: 6
