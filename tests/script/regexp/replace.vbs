' RegExp.Replace and its $ forms.
Function Rep(pattern, text, template, all)
    Dim re
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = all
    Rep = re.Replace(text, template)
End Function
MsgBox Rep("xxx", "xxxx", "y", True)                      ' OUT: yx
MsgBox Rep("\[([^\[]+)\]", "- [test] -", "success", True) ' OUT: - success -
MsgBox Rep("\[([^\[]+)\]", "[a] [b]", "<$1>", True)       ' OUT: <a> <b>
MsgBox Rep("\[([^\[]+)\]", "[a] [b]", "<$1>", False)      ' OUT: <a> [b]
MsgBox Rep("(\&(\d))", "abc &1 123", "$'", True)          ' OUT: abc  123 123
MsgBox Rep("(\&(\d))", "abc &1 123", "$`", True)          ' OUT: abc abc  123
MsgBox Rep("(\&(\d))", "abc &1 123", "$3", True)          ' OUT: abc $3 123
MsgBox Rep("(\$(\d))", "$1,$2", "$$1-$1$2", True)         ' OUT: $1-$11,$1-$22
MsgBox Rep("b", "abc", "x$&z", True)                      ' OUT: axbzc
MsgBox Rep("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", "abcdefghijk", "$11$10$1", True) ' OUT: kja
MsgBox Rep("(a)", "a", "$10$0$", True)                    ' OUT: a0$0$
MsgBox Rep("\[([^\[]+)\]", "- [test] -", True, True)      ' OUT: - -1 -
MsgBox Rep("\[([^\[]+)\]", "- [test] -", 6, True)         ' OUT: - 6 -
MsgBox Rep("", "xxx", "y", False)                         ' OUT: yxxx
MsgBox Rep("", "xxx", "y", True)                          ' OUT: yxyxyxy
MsgBox Rep("a*", "baaa", "X", True)                       ' OUT: XbXX
MsgBox Rep("(\d{3})-(\d{4})", "call 555-1234", "($1) $2", True) ' OUT: call (555) 1234
