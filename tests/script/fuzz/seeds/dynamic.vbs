Dim g : g = 1
Function Twice(n) : Twice = 2 * n : End Function
Sub Main
  Dim x, f
  x = 5
  Execute "x = x + 1 : y = x * 2 : MsgBox y"
  ExecuteGlobal "Function Later(n) : Later = n + g : End Function"
  MsgBox Eval("x = 6") & Later(2) & Eval("Twice(x)")
  Set f = GetRef("Twice")
  MsgBox f(21)
  On Error Resume Next
  Err.Raise &h8007000E&
  MsgBox Err.Number & Err.Description & Err.Source
  Err.Raise 1, "src", "desc", "file.chm", 7
  Err.Raise 5
  MsgBox Err.HelpFile & Err.HelpContext & RGB(1, 2, 300) & vbCyan & ScriptEngine
  MsgBox InStrRev("abcd", "", 3) & Mid(Null, 1) & FormatNumber(1.5, 2) & Weekday(Null, 2)
End Sub
