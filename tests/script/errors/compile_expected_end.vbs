' A compile error stops before anything runs.
MsgBox "never"
Sub Start
    For i = 1 To 3
End Sub                     ' ERR: 1020 5 0
