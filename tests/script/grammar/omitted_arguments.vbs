' Omitted arguments take their default in built-ins and arrive as a missing value in
' the script's own procedures.
MsgBox FormatNumber(1234.5, , , , 0)        ' OUT: 1234.50
MsgBox FormatNumber(1234.567, 1, , , )      ' OUT: 1,234.6
MsgBox Mid("abcdef", 3, )                   ' OUT: cdef
Sub Show(a, b, c) : MsgBox VarType(a) & " " & VarType(b) & " " & VarType(c) : End Sub
Show 1, , "3"                     ' OUT: 2 10 8
Call Show(, 2, 3)                 ' OUT: 10 2 2
Show 1, 2,                        ' OUT: 2 2 10
