' An error raised in a function travels to the caller's handler.
Function Check(v)
    If v < 0 Then Err.Raise vbObjectError + 1, "Check", "negative"
    Check = v
End Function
On Error Resume Next
r = Check(-1)
MsgBox (Err.Number - vbObjectError) & " " & Err.Description & " " & IsEmpty(r) ' OUT: 1 negative True
On Error GoTo 0
MsgBox CLng("99999999999")      ' ERR: 6 10 0
