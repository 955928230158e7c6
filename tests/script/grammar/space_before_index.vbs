' A space before the bracket of an element that is assigned: `a (1) = 5`. Anywhere else
' in a statement head the bracket holds a call's argument.
Dim a(2)
a (1) = 5
MsgBox a(1)                       ' OUT: 5
Set d = CreateObject("Scripting.Dictionary")
d ("k") = "v"
MsgBox d("k")                     ' OUT: v
MsgBox (a(1))                     ' OUT: 5
MsgBox ((1 < 2) = True)           ' OUT: True
