Option Explicit
' Globals are visible in procedures; undeclared names fail under Option Explicit.
Dim counter
Sub Count()
    counter = counter + 1
End Sub
Count : Count
MsgBox counter                ' OUT: 2
Sub Broken()
    undeclared = 1
End Sub
Broken                        ' ERR: 500 10 4
