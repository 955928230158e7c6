Sub Main
  Dim re, ms, m, s
  Set re = New RegExp
  re.Pattern = "^([\w.-]+)@([\w-]+(\.[\w-]+)+)$"
  re.IgnoreCase = True
  MsgBox re.Test("ann.lee@mail.example.org")
  re.Global = True
  re.Multiline = True
  re.Pattern = "(\d{3})[ -]?(\d{4})|^\s*$|(?=x)x+?|[^\]a-c]\1\u0041\x42\v\b"
  Set ms = re.Execute("555 1234" & vbCrLf & "x" & vbCr & "555-9876")
  For Each m In ms
    MsgBox m.FirstIndex & m.Length & m.Value & m.SubMatches.Count
    For Each s In m.SubMatches : MsgBox TypeName(s) : Next
  Next
  MsgBox re.Replace("call 555-1234", "($1) $2 $& $$ $` $' $9")
  re.Pattern = "[\u20AC-\u2122\x41-\u0100]+|[^\u0100]?\u0153*|[]?x[^]"
  MsgBox re.Replace("a" & Chr(128) & Chr(153) & Chr(156) & "x", "<$&>")
  re.Pattern = "(a|aa)+$"
  On Error Resume Next
  MsgBox re.Test(String(30, "a") & "!") & Err.Number
End Sub
