' A run-time error stops the run with the position of its statement.
Dim o
MsgBox "before"             ' OUT: before
    o.Name = 1              ' ERR: 424 4 4
