' An array passed in brackets, `S (x)` or `Call S((x))`, is a copy; passed plainly it is
' the caller's own.
Sub SetFirst(a) : a(0) = 9 : End Sub
x = Array(1, 2)
SetFirst (x)
MsgBox x(0)                       ' OUT: 1
Call SetFirst((x))
MsgBox x(0)                       ' OUT: 1
Call SetFirst(x)
MsgBox x(0)                       ' OUT: 9
x(0) = 1
SetFirst x
MsgBox x(0)                       ' OUT: 9
