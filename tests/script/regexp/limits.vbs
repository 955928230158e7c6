' A pattern that backtracks without end stops with an error instead of running away.
Set re = New RegExp
re.Pattern = "^(a+)+$"
text = String(40, "a") & "!"
On Error Resume Next
found = re.Test(text)
MsgBox Err.Number & " " & IsEmpty(found)     ' OUT: 28 True
Err.Clear
re.Global = True
re.Pattern = "(a|aa)+$"
Set ms = re.Execute(String(60, "a") & "!")
MsgBox Err.Number                            ' OUT: 28
On Error GoTo 0
re.Pattern = "^(a|aa)+$"
MsgBox re.Test(String(5000, "a"))            ' OUT: True
re.Pattern = "(a+)+$"
found = re.Test(String(40, "a") & "!")       ' ERR: 28 17 0
