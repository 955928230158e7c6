' Edge cases of the string functions.
MsgBox "[" & Mid("abc", 2, 10) & "][" & Left("abc", 10) & "][" & Right("abc", 0) & "]" ' OUT: [bc][abc][]
MsgBox InStrRev("a.b.c", ".", 3) & InStr(10, "abc", "a") & InStr("", "a")             ' OUT: 200
MsgBox Replace("one two one", "one", "1", 5)                                          ' OUT: two 1
MsgBox Replace("aaa", "a", "b", 1, 2)                                                 ' OUT: bba
s = Split("a,b,c,d", ",", 2)
MsgBox UBound(s) & s(1)                                                               ' OUT: 1b,c,d
MsgBox Join(Split("a--b", "-"), "|")                                                  ' OUT: a||b
MsgBox Len(Space(0)) & Len(String(0, "x"))                                            ' OUT: 00
MsgBox LCase(Chr(138)) = Chr(154)                                                     ' OUT: True
MsgBox StrComp("abc", "abd") & StrComp("b", "a") & IsNull(StrComp(Null, "a"))        ' OUT: -11True
x = Left("abc", -1)                                                                   ' ERR: 5 12 0
