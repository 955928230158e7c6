' Operators of different levels mixed without brackets.
MsgBox 10 Mod 6 \ 2               ' OUT: 1
MsgBox 10 \ 4 Mod 2               ' OUT: 0
MsgBox 5 Mod 3 * 2                ' OUT: 5
MsgBox 7 \ 2 * 2                  ' OUT: 1
MsgBox 2 + 3 * 4                  ' OUT: 14
MsgBox 12 / 2 * 3                 ' OUT: 18
MsgBox 10 - 2 - 3                 ' OUT: 5
MsgBox 2 * 3 ^ 2                  ' OUT: 18
MsgBox -2 ^ 2                     ' OUT: 4
MsgBox -3 Mod 2                   ' OUT: -1
MsgBox 1 + 2 & 3                  ' OUT: 33
MsgBox "a" & 1 = "a1"             ' OUT: True
MsgBox 1 < 2 = True               ' OUT: True
MsgBox Not 1 = 2                  ' OUT: True
MsgBox True Or False And False    ' OUT: True
MsgBox False And False Or True    ' OUT: True
MsgBox True Xor True Or True      ' OUT: False
MsgBox True Imp False Eqv False   ' OUT: True
MsgBox 1 = 1 And 2 = 2            ' OUT: True
