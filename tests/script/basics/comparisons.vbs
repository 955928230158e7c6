' Comparisons of strings, numbers, Empty and Null.
Dim s, n
s = "10" : n = 9
MsgBox s > n              ' OUT: True
MsgBox "10" = 10          ' OUT: True
MsgBox "abc" < "abd"      ' OUT: True
MsgBox "B" < "a"          ' OUT: True
MsgBox Empty = 0          ' OUT: True
MsgBox Empty = ""         ' OUT: True
MsgBox IsNull(Null = Null) ' OUT: True
MsgBox 1 = 1.0            ' OUT: True
MsgBox ((1 < 2) = True)   ' OUT: True
If Null Then MsgBox "no" Else MsgBox "null is not true" ' OUT: null is not true
