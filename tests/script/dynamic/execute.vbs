' Execute runs where it is called; ExecuteGlobal always at top level.
Dim x
x = "global"
Sub Proc
    Dim x
    x = "local"
    Execute "MsgBox x"
    ExecuteGlobal "MsgBox x"
    Execute "x = x & ""!"" : y = 5 : MsgBox y"
    MsgBox x
    Execute "MsgBox TypeName(y)"
End Sub
Execute "MsgBox x"          ' OUT: global
Proc                        ' OUT: local
                            ' OUT: global
                            ' OUT: 5
                            ' OUT: local!
                            ' OUT: Integer
' At top level the code adds to the script: its variables and procedures stay.
Execute "Dim z : z = 3"
MsgBox z                    ' OUT: 3
ExecuteGlobal "Function Twice(n) : Twice = 2 * n : End Function"
MsgBox Twice(4)             ' OUT: 8
Sub CallsLater
    MsgBox Later(1)
End Sub
ExecuteGlobal "Function Later(n)" & vbCrLf & "Later = n + 10" & vbCrLf & "End Function"
CallsLater                  ' OUT: 11
' A procedure that Execute defines sees the globals, not the caller's variables.
Sub Defines
    Dim x
    x = "hidden"
    Execute "Sub ShowX : MsgBox x : End Sub"
    ShowX
End Sub
Defines                     ' OUT: global
ShowX                       ' OUT: global
' Names Execute adds to a procedure live as long as the call, nested Execute included.
Sub Counts
    Execute "If IsEmpty(n) Then n = 0"
    Execute "n = n + 1 : Execute ""n = n + 1 : k = n"" : MsgBox n & k"
    Execute "Class Made : Public v : End Class"
End Sub
Counts                      ' OUT: 22
Counts                      ' OUT: 22
Sub Nested
    Execute "Execute ""m = 6"""
    Execute "MsgBox m"
End Sub
Nested                      ' OUT: 6
' A variable Execute declares hides the global of its name for the rest of the call.
Sub Shadows
    Execute "Dim x : x = ""mine"""
    MsgBox x
End Sub
Shadows                     ' OUT: mine
MsgBox x                    ' OUT: global
Set made = New Made
MsgBox TypeName(made)       ' OUT: Made
' Inside a function its result; inside a class its members.
Function Result
    Execute "Result = 42"
End Function
MsgBox Result               ' OUT: 42
Class Box
    Private value
    Sub Fill(v)
        Execute "value = v"
    End Sub
    Function Read
        Read = Eval("value * 2")
    End Function
End Class
Set b = New Box
b.Fill 21
MsgBox b.Read               ' OUT: 42
' Errors inside belong to the calling statement; a compile error is caught there too.
On Error Resume Next
Execute "If Then"
MsgBox Err.Number           ' OUT: 1023
Err.Clear
Execute "q = 1 / 0"
MsgBox Err.Number           ' OUT: 11
Err.Clear
ExecuteGlobal "Const Limit = 1"
ExecuteGlobal "Const Limit = 2"
MsgBox Err.Number & " " & Limit ' OUT: 1041 1
On Error GoTo 0
Execute "x = 1" & vbCrLf & "x = x / 0"  ' ERR: 11 89 0
