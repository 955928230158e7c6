' RGB and the script engine's name and version.
MsgBox RGB(0, &h1f, &hf1) = &hf11f00&                 ' OUT: True
MsgBox RGB(&hef, &hab, &hcd) = &hcdabef&              ' OUT: True
MsgBox RGB(1, 256, 300) = &hffff01&                   ' OUT: True
MsgBox TypeName(RGB(1, 2, 3)) & " " & RGB(1.5, 0, 0)  ' OUT: Long 2
MsgBox ScriptEngine & " " & TypeName(ScriptEngine)    ' OUT: VBScript String
MsgBox TypeName(ScriptEngineMajorVersion) & TypeName(ScriptEngineMinorVersion) & TypeName(ScriptEngineBuildVersion) ' OUT: LongLongLong
MsgBox ScriptEngineMajorVersion & "." & ScriptEngineMinorVersion ' OUT: 5.8
On Error Resume Next
x = RGB(-1, 0, 0) : MsgBox Err.Number                 ' OUT: 5
Err.Clear : x = RGB(0, Null, 0) : MsgBox Err.Number   ' OUT: 94
On Error GoTo 0
x = RGB(1, 2)                                         ' ERR: 450 13 0
