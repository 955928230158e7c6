' Unary minus: Null stays Null, Empty is an Integer, the bounds move up a subtype.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(-Null)                   ' OUT: Null:
MsgBox T(-Empty)                  ' OUT: Integer:0
MsgBox T(-CInt(32767))            ' OUT: Integer:-32767
MsgBox T(-CInt(-32768))           ' OUT: Long:32768
x = CLng(-2147483647) - 1 : MsgBox T(-x) ' OUT: Double:2147483648
MsgBox T(-CByte(5))               ' OUT: Integer:-5
MsgBox T(-"5")                    ' OUT: Double:-5
MsgBox T(-CCur(1.5))              ' OUT: Currency:-1.5
MsgBox T(-CSng(1.5))              ' OUT: Single:-1.5
