MsgBox Len("hello") & Left("hello", 2) & Right("hello", 2) & Mid("hello", 2, 3) ' OUT: 5heloell
MsgBox InStr("hello", "l") & InStr(4, "hello", "l") & InStr("a", "") & InStrRev("hello", "l") ' OUT: 3414
MsgBox InStr(1, "HeLLo", "ll", 1)             ' OUT: 3
MsgBox Replace("a-b-c", "-", "+")             ' OUT: a+b+c
MsgBox Replace("aAa", "a", "x", 1, -1, 1)     ' OUT: xxx
MsgBox "[" & Trim("  x  ") & "][" & LTrim(" x") & "][" & RTrim("x ") & "]" ' OUT: [x][x][x]
MsgBox UCase("abc") & LCase("ABC") & (UCase(Chr(233)) = Chr(201)) ' OUT: ABCabcTrue
MsgBox StrComp("a", "B") & StrComp("a", "A", 1) ' OUT: 10
MsgBox Space(2) & String(3, "x") & String(2, 65) ' OUT:   xxxAA
MsgBox Chr(65) & Asc("a") & StrReverse("abc") ' OUT: A97cba
MsgBox Join(Filter(Array("apple", "berry", "apricot"), "ap"), ",") ' OUT: apple,apricot
MsgBox UBound(Split("")) & UBound(Split("a b c")) ' OUT: -12
MsgBox Mid("abc", 5) = ""                     ' OUT: True
x = Mid("abc", 0)                             ' ERR: 5 14 0
