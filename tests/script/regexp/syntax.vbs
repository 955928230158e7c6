' The language's pattern syntax where PCRE2 reads it differently, and its errors.
Function Matches(pattern, text)
    Dim re
    Set re = New RegExp
    re.Pattern = pattern
    Matches = re.Test(text)
End Function
Function All(pattern, text, multi)
    Dim re, m, out
    Set re = New RegExp
    re.Pattern = pattern
    re.Global = True
    re.Multiline = multi
    For Each m In re.Execute(text)
        out = out & "[" & m.FirstIndex & "]"
    Next
    All = out
End Function
' "." and the line anchors know CR and LF alike; $ without Multiline is the very end.
MsgBox Matches("a.b", "a" & vbCr & "b") & Matches("a.b", "a" & vbLf & "b") ' OUT: FalseFalse
MsgBox Matches("a$", "a" & vbLf) & Matches("^b", "a" & vbLf & "b")   ' OUT: FalseFalse
MsgBox All("^", "a" & vbCrLf & "b", True)        ' OUT: [0][2][3]
MsgBox All("$", "a" & vbCrLf & "b", True)        ' OUT: [1][2][4]
MsgBox All("^\w", "ab" & vbCr & "cd", True)      ' OUT: [0][3]
' Escapes: \v is the vertical tab, a letter without meaning is itself, \xHH and \uHHHH.
MsgBox Matches("^\v$", Chr(11)) & Matches("^\A\Q$", "AQ")            ' OUT: TrueTrue
MsgBox Matches("^\x41\u0042$", "AB") & Matches("^\x4$", "x4")         ' OUT: TrueTrue
' \n is a back reference only when there are n groups; otherwise octal.
MsgBox Matches("^(a)\1$", "aa") & Matches("^\101$", "A") & Matches("^(a)\2$", "a" & Chr(2)) ' OUT: TrueTrueTrue
MsgBox Matches("^\8$", "8") & Matches("^(a)?b\1$", "b")              ' OUT: TrueTrue
' Classes: [] never matches, [^] matches anything, no POSIX classes, \b is backspace.
MsgBox Matches("[]", "a") & Matches("^[^]$", vbLf)                   ' OUT: FalseTrue
MsgBox Matches("^[[:alpha:]]$", ":]") & Matches("^[\b]$", Chr(8))   ' OUT: TrueTrue
MsgBox Matches("a{,2}", "a{,2}") & Matches("^a{2}$", "aa") & Matches("x{", "x{") ' OUT: TrueTrueTrue
' Look-ahead and lazy quantifiers are the language's; IgnoreCase folds accented letters.
MsgBox Matches("^\d+(?=px)", "12px") & Matches("^a+?$", "aaa")       ' OUT: TrueTrue
Set re = New RegExp
re.Pattern = "^jos" & Chr(233) & "$"
re.IgnoreCase = True
MsgBox re.Test("JOS" & Chr(201)) & re.Test("Jos" & Chr(233))         ' OUT: TrueTrue
' E-mail and phone checks of a form script.
MsgBox Matches("^[\w.-]+@[\w-]+(\.[\w-]+)+$", "ann.lee@mail.example.org") ' OUT: True
MsgBox Matches("^\+?\d{1,3}[ -]?\(?\d{2,4}\)?[ -]?\d{3,4}[ -]?\d{3,4}$", "+39 (06) 1234 5678") ' OUT: True
' Errors: syntax, a quantifier with nothing to repeat, a missing bracket or parenthesis,
' a range out of order, and the constructs the language lacks.
Sub Try(pattern)
    On Error Resume Next
    Matches pattern, "x"
    MsgBox Err.Number & " " & Err.Description
End Sub
Try "a(b"           ' OUT: 5020 Expected ')' in regular expression
Try "[ab"           ' OUT: 5019 Expected ']' in regular expression
Try "*a"            ' OUT: 5018 Unexpected quantifier
Try "a**"           ' OUT: 5018 Unexpected quantifier
Try "a++"           ' OUT: 5018 Unexpected quantifier
Try "(*ACCEPT)"     ' OUT: 5018 Unexpected quantifier
Try "[z-a]"         ' OUT: 5021 Invalid range in character set
Try "(?<=a)b"       ' OUT: 5017 Syntax error in regular expression
Try "(?<n>a)"       ' OUT: 5017 Syntax error in regular expression
Try "a\"            ' OUT: 5017 Syntax error in regular expression
Try "a)"            ' OUT: 5017 Syntax error in regular expression
