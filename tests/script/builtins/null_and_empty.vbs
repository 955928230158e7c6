' Null passes through the string and math functions; Empty reads as 0 or "".
MsgBox IsNull(Len(Null)) & IsNull(UCase(Null)) & IsNull(Mid(Null, 1)) ' OUT: TrueTrueTrue
MsgBox IsNull(Abs(Null)) & IsNull(Int(Null)) & IsNull(Left(Null, 1))  ' OUT: TrueTrueTrue
MsgBox Len(Empty) & "|" & Empty + 1 & "|" & TypeName(Empty * 2)      ' OUT: 0|1|Integer
MsgBox IsEmpty(x) & VarType(x)           ' OUT: True0
x = Null
MsgBox TypeName(x) & IsNull(x)           ' OUT: NullTrue
y = CStr(x)                              ' ERR: 94 8 0
