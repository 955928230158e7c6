' And, Or, Xor, Eqv, Imp and Not with Null on either side, and their subtypes.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(Null And False)          ' OUT: Boolean:False
MsgBox T(False And Null)          ' OUT: Boolean:False
MsgBox T(Null And True)           ' OUT: Null:
MsgBox T(Null And 0)              ' OUT: Integer:0
MsgBox T(Null Or True)            ' OUT: Boolean:True
MsgBox T(True Or Null)            ' OUT: Boolean:True
MsgBox T(Null Or False)           ' OUT: Null:
MsgBox T(Null Xor True)           ' OUT: Null:
MsgBox T(Null Eqv True)           ' OUT: Null:
MsgBox T(True Imp Null)           ' OUT: Null:
MsgBox T(False Imp Null)          ' OUT: Boolean:True
MsgBox T(Null Imp True)           ' OUT: Boolean:True
MsgBox T(Null Imp False)          ' OUT: Null:
MsgBox T(Not Null)                ' OUT: Null:
MsgBox T(Empty Or 5)              ' OUT: Integer:5
MsgBox T(12 And 10)               ' OUT: Integer:8
MsgBox T(CLng(12) And 10)         ' OUT: Long:8
MsgBox T(CByte(12) And CByte(10)) ' OUT: Byte:8
MsgBox T(True And 3)              ' OUT: Integer:3
MsgBox T(5 Xor 3)                 ' OUT: Integer:6
MsgBox T(True Eqv False)          ' OUT: Boolean:False
MsgBox T(0 Imp 0)                 ' OUT: Integer:-1
MsgBox T(Not 0)                   ' OUT: Integer:-1
MsgBox T(Not True)                ' OUT: Boolean:False
MsgBox T(Not CByte(0))            ' OUT: Byte:255
MsgBox T(Not CLng(0))             ' OUT: Long:-1
MsgBox T(Not 1.5)                 ' OUT: Long:-3
' The texts "#TRUE#" and "#FALSE#" are Booleans here as they are to CBool and If.
MsgBox T(Not "#TRUE#")            ' OUT: Boolean:False
MsgBox T("#true#" And "True")     ' OUT: Boolean:True
MsgBox T("#FALSE#" Or False)      ' OUT: Boolean:False
MsgBox T("#TRUE#" Xor "#FALSE#")  ' OUT: Boolean:True
MsgBox T("#False#" Eqv "false")   ' OUT: Boolean:True
MsgBox T("#TRUE#" Imp "#FALSE#")  ' OUT: Boolean:False
MsgBox T(Null And "#FALSE#")      ' OUT: Boolean:False
MsgBox T("#TRUE#" And 6)          ' OUT: Integer:6
MsgBox T(Not "#TRUE")             ' ERR: 13 39 0
