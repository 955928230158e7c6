' + concatenates two strings but adds a string to a number; & always joins.
MsgBox "1" + "2"          ' OUT: 12
MsgBox "1" + 2            ' OUT: 3
MsgBox TypeName("1" + 2)  ' OUT: Double
MsgBox 1 & 2              ' OUT: 12
MsgBox "a" & Null & "b"   ' OUT: ab
MsgBox IsNull(Null + 1)   ' OUT: True
MsgBox IsNull(Null & Null) ' OUT: True
MsgBox Empty & "x"        ' OUT: x
MsgBox "a" + Empty        ' OUT: a
x = "abc" + 1             ' ERR: 13 11 0
