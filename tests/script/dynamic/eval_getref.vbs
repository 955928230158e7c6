' Eval reads "=" as a comparison; GetRef gives a procedure to call later.
x = 5
MsgBox Eval("x = 5")                ' OUT: True
MsgBox Eval("x = 6")                ' OUT: False
MsgBox Eval("x * 2 + 1")            ' OUT: 11
MsgBox TypeName(Eval("x & """""))   ' OUT: String
Sub Scoped
    Dim x
    x = 7
    MsgBox Eval("x")
End Sub
Scoped                              ' OUT: 7
Function Add(a, b)
    Add = a + b
End Function
Sub Report(text)
    MsgBox "report: " & text
End Sub
Set f = GetRef("Add")
MsgBox f(2, 3)                      ' OUT: 5
MsgBox TypeName(f) & " " & IsObject(f) ' OUT: Object True
Set r = GetRef("report")
r "done"                            ' OUT: report: done
Sub Apply(fn, v)
    fn v
End Sub
Apply GetRef("Report"), "via argument" ' OUT: report: via argument
Sub Bump(n)
    n = n + 1
End Sub
Set b = GetRef("Bump")
n = 1
b n
MsgBox n                            ' OUT: 2
On Error Resume Next
Set g = GetRef("NoSuchProc")
MsgBox Err.Number                   ' OUT: 5
Err.Clear
Set g = GetRef("Len")
MsgBox Err.Number                   ' OUT: 5
Err.Clear
v = Eval("1 +")
MsgBox Err.Number & " " & IsEmpty(v) ' OUT: 1023 True
On Error GoTo 0
MsgBox f(1)                         ' ERR: 450 45 0
