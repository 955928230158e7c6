' And/Or are bitwise on numbers, not short-circuit, with Null rules.
Function Touch(v)
    MsgBox "touched"
    Touch = v
End Function
MsgBox False And Touch(True) ' OUT: touched
' OUT: False
MsgBox 12 And 10          ' OUT: 8
MsgBox 12 Or 3            ' OUT: 15
MsgBox Not 0              ' OUT: -1
MsgBox Not True           ' OUT: False
MsgBox 5 Xor 1            ' OUT: 4
MsgBox True Eqv False     ' OUT: False
MsgBox False Imp False    ' OUT: True
MsgBox Null And False     ' OUT: False
MsgBox IsNull(Null And True) ' OUT: True
MsgBox Null Or True       ' OUT: True
MsgBox Not 1 = 2          ' OUT: True
