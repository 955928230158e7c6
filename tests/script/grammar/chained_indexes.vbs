' Indexes and calls chained onto a call or an element: x(0)(0), f()(1), d("k")(0).
x = Array(Array(3, 4), Array(5, 6))
MsgBox x(0)(0)                    ' OUT: 3
MsgBox x(1)(1)                    ' OUT: 6
x(1)(0) = 50
MsgBox x(1)(0)                    ' OUT: 50
Function Pair() : Pair = Array("a", "b") : End Function
MsgBox Pair()(1)                  ' OUT: b
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", Array(7, 8)
MsgBox d("k")(1)                  ' OUT: 8
MsgBox d.Item("k")(0)             ' OUT: 7
Sub Twice(n) : n = n * 2 : End Sub
Twice x(0)(1)
MsgBox x(0)(1)                    ' OUT: 8
MsgBox UBound(x(0))               ' OUT: 1
x(0)(5) = 1                       ' ERR: 9 17 0
