' Err.Raise: the number's range, HRESULTs, and properties kept from an error not cleared.
On Error Resume Next
Sub Show
    MsgBox Err.Number & "|" & Err.Source & "|" & Err.Description & "|" & Err.HelpFile & "|" & Err.HelpContext
End Sub
Err.Raise 0 : Show                  ' OUT: 5|Microsoft VBScript runtime error|Invalid procedure call or argument||0
Err.Clear : Err.Raise &h10000& : MsgBox Err.Number           ' OUT: 5
Err.Clear : Err.Raise -3000000000 : MsgBox Err.Number        ' OUT: 6
Err.Clear : Err.Raise &h8000 : MsgBox Err.Number             ' OUT: -32768
Err.Clear : Err.Raise -&h8000 : MsgBox Err.Number            ' OUT: 32768
Err.Clear : Err.Raise 65535 : MsgBox Err.Number              ' OUT: 65535
Err.Clear : Err.Raise vbObjectError + 1 : MsgBox Err.Number  ' OUT: -2147221503
Err.Clear : Err.Raise 1, "abc" : Show                        ' OUT: 1|abc|Unknown runtime error||0
Err.Clear : Err.Raise 1, 2, "desc", "hf", 7 : Show           ' OUT: 1|2|desc|hf|7
MsgBox TypeName(Err.HelpContext) & TypeName(Err.HelpFile)    ' OUT: LongString
' Not cleared: what Raise leaves out is kept from the error before.
Err.Raise 5 : Show                                           ' OUT: 5|2|desc|hf|7
Err.Clear : Err.Raise &h8007000E& : Show                     ' OUT: 7|Microsoft VBScript runtime error|Out of memory||0
Err.Clear : Err.Raise 1, "test" : Err.Raise &h8007000E& : Show ' OUT: 7|test|Unknown runtime error||0
Err.Clear : Err.Raise &h800A000B& : Show                     ' OUT: 11|Microsoft VBScript runtime error|Division by zero||0
Err.Clear : Err.Raise &h80070005& : MsgBox Err.Number & " " & Err.Description ' OUT: 70 Permission denied
Err.Clear : Err.Raise &h80070057& : MsgBox Err.Number        ' OUT: 5
' A run-time error sets every property afresh.
Err.Raise 1, 2, "desc", "hf", 7 : Err.NoSuchThing : Show     ' OUT: 438|Microsoft VBScript runtime error|Object doesn't support this property or method||0
Err.HelpFile = "x.chm" : Err.HelpContext = 3 : MsgBox Err.HelpFile & Err.HelpContext ' OUT: x.chm3
Err.Raise                                                    ' the count is wrong
MsgBox Err.Number                                            ' OUT: 450
On Error GoTo 0
Err.Raise 1000, "src", "custom"                              ' ERR: 1000 29 0
