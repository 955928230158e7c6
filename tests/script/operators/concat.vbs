' & with Null and Empty on either side: always a String unless both sides are Null.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null & Null)             ' OUT: Null:
MsgBox T(Null & "a")              ' OUT: String:a
MsgBox T(1 & Null)                ' OUT: String:1
MsgBox T(Empty & Empty)           ' OUT: String:
MsgBox T(Empty & 1)               ' OUT: String:1
MsgBox T(1 & 2)                   ' OUT: String:12
MsgBox T(True & False)            ' OUT: String:TrueFalse
MsgBox T(1.5 & "")                ' OUT: String:1.5
MsgBox T(CCur(2.5) & "")          ' OUT: String:2.5
MsgBox T(1 + 2 & 3 + 4)           ' OUT: String:37
s = "ab" : s = s & Null : s = s & 1 : MsgBox T(s) ' OUT: String:ab1
