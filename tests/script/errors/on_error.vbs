' On Error Resume Next records the error in Err and goes on.
On Error Resume Next
x = 1 / 0
MsgBox Err.Number & " " & Err.Description   ' OUT: 11 Division by zero
Err.Clear
MsgBox Err.Number                           ' OUT: 0
Err.Raise 1000, "me", "custom"
MsgBox Err.Number & Err.Source & Err.Description ' OUT: 1000mecustom
y = CInt("x")
MsgBox Err.Number                           ' OUT: 13
On Error GoTo 0
MsgBox Err.Number                           ' OUT: 0
Sub Inner
    Dim z
    z = Nothing.Foo
End Sub
On Error Resume Next
Inner
MsgBox Err.Number                           ' OUT: 91
On Error GoTo 0
Inner                                       ' ERR: 91 15 4
