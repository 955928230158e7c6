' Randomize is a statement: used as a value, with or without an argument, it is a type
' mismatch, also where every name must be declared.
Option Explicit
Dim r
On Error Resume Next
r = Randomize
MsgBox Err.Number & " " & IsEmpty(r)  ' OUT: 13 True
Err.Clear
r = 1 + Randomize(5)
MsgBox Err.Number & " " & IsEmpty(r)  ' OUT: 13 True
Err.Clear
Randomize 3
MsgBox Err.Number                     ' OUT: 0
On Error GoTo 0
MsgBox Randomize()                    ' ERR: 13 15 0
