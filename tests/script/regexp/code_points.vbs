' Escapes name Unicode characters; the text is Windows-1252. A character the code page
' holds matches its byte, one it lacks matches nothing, alone, repeated or in a class.
Function Try(pattern, text)
    Dim re
    Set re = New RegExp
    re.Pattern = pattern
    On Error Resume Next
    Try = re.Test(text)
    If Err.Number <> 0 Then Try = Err.Number
End Function
MsgBox Try("^\u20AC\u2122$", Chr(128) & Chr(153)) & Try("\x80", Chr(128)) & Try("\x81", Chr(129)) ' OUT: TrueFalseTrue
MsgBox Try("\u0100", "x") & Try("^\u0100?x$", "x") & Try("^a\u0100*$", "a")   ' OUT: FalseTrueTrue
MsgBox Try("[\u0100]", "x") & Try("[^\u0100]", "x") & Try("^[\u0100]?x$", "x") ' OUT: FalseTrueTrue
MsgBox Try("[\u0100-\u0200]", "-") & Try("[\u0100-\uFFFF]", Chr(140))         ' OUT: FalseTrue
MsgBox Try("^[a-\u0100]+$", "z" & Chr(255)) & Try("[a-\u0100]", "-")          ' OUT: TrueFalse
MsgBox Try("[\x7F-\xFF]", Chr(128)) & Try("[\x7F-\xFF]", Chr(129)) & Try("[\200]", Chr(128)) ' OUT: FalseTrueFalse
MsgBox Try("[\u0100-a]", "x") & " " & Try("[\d-z]", "x")                     ' OUT: 5021 5021
' An empty class matches nothing, even repeated; negated it matches any character.
MsgBox Try("^[]?x$", "x") & Try("[]", "x") & Try("^[^]*$", vbCrLf)            ' OUT: TrueFalseTrue
Set re = New RegExp
re.Pattern = "\u0153[\u0152]"
re.IgnoreCase = True
MsgBox re.Test(Chr(140) & Chr(156))                                           ' OUT: True
