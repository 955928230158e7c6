' New RegExp: properties, Test, Execute with its Matches, Match and SubMatches.
Set re = New RegExp
MsgBox "[" & re.Pattern & "]" & re.IgnoreCase & re.Global & re.Multiline ' OUT: []FalseFalseFalse
MsgBox TypeName(re)                               ' OUT: IRegExp2
re.Pattern = "a+"
MsgBox re.Test(" aabaaa") & re.Test("bbb")       ' OUT: TrueFalse
Set ms = re.Execute(" aabaaa")
MsgBox TypeName(ms) & " " & ms.Count             ' OUT: IMatchCollection2 1
Set m = ms(0)
MsgBox TypeName(m) & " " & m.Value & " " & m.FirstIndex & " " & m.Length ' OUT: IMatch2 aa 1 2
MsgBox m & " " & m.SubMatches.Count              ' OUT: aa 0
re.Global = True
Set ms = re.Execute(" aabaaa")
MsgBox ms.Count & " " & ms.Item(1).Value & " " & ms.Item(1).FirstIndex ' OUT: 2 aaa 4
For Each m In ms
    MsgBox m.FirstIndex & ":" & m
Next                                             ' OUT: 1:aa
                                                 ' OUT: 4:aaa
' Groups: a group that took no part is Empty.
re.Pattern = "(a|b)+|(c)"
Set ms = re.Execute("aa")
Set m = ms(0)
MsgBox m.SubMatches.Count & " " & m.SubMatches(0) & " " & TypeName(m.SubMatches(1)) ' OUT: 2 a Empty
re.Pattern = "(\w+)@(\w+)\.com"
Set ms = re.Execute("mail joe@example.com now")
Set m = ms(0)
For Each s In m.SubMatches
    MsgBox s
Next                                             ' OUT: joe
                                                 ' OUT: example
MsgBox m.SubMatches.Item(1)                      ' OUT: example
MsgBox re.Execute("x joe@b.com")(0).SubMatches(1) ' OUT: b
' An empty pattern matches before every character and at the end.
re.Pattern = ""
MsgBox re.Execute("test").Count                  ' OUT: 5
re.Global = False
MsgBox re.Execute("test").Count                  ' OUT: 1
re.Pattern = "Ab"
re.IgnoreCase = True
re.Global = True
Set ms = re.Execute("abcaBc")
MsgBox ms(0) & ms(1) & ms(1).FirstIndex          ' OUT: abaB3
Set c = CreateObject("VBScript.RegExp")
MsgBox TypeName(c)                               ' OUT: IRegExp2
On Error Resume Next
x = ms(2)
MsgBox Err.Number                                ' OUT: 5
Err.Clear
ms.Count = 3
MsgBox Err.Number                                ' OUT: 438
On Error GoTo 0
' The language's RegExp wins over a class of the script with that name.
Class RegExp
    Public Pattern
End Class
MsgBox TypeName(New RegExp)                      ' OUT: IRegExp2
