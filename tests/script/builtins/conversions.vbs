MsgBox CInt(2.5) & CInt(3.5) & CInt(-0.5)      ' OUT: 240
MsgBox CLng("123") + 1                         ' OUT: 124
MsgBox CStr(1.5) & CStr(True) & CStr(1E+100)   ' OUT: 1.5True1E+100
MsgBox CDbl("1,234.5")                         ' OUT: 1234.5
MsgBox CBool("true") & CBool(0) & CBool("1")   ' OUT: TrueFalseTrue
MsgBox Round(2.5) & Round(3.5) & Round(-1.5) & Round(2.25, 1) ' OUT: 24-22.2
MsgBox Int(-2.5) & Fix(-2.5) & Abs(-3) & Sgn(-7) ' OUT: -3-23-1
MsgBox Hex(255) & " " & Hex(-1) & " " & Oct(8)  ' OUT: FF FFFF 10
MsgBox VarType("s") & VarType(1) & VarType(Null) & VarType(Array(1)) ' OUT: 8218204
MsgBox IsNumeric("12") & IsNumeric("x") & IsNumeric(Empty) ' OUT: TrueFalseTrue
MsgBox TypeName(CCur(1.23456)) & CCur(1.23456) ' OUT: Currency1.2346
MsgBox FormatNumber(1234.5) & " " & FormatPercent(0.25, 0) ' OUT: 1,234.50 25%
x = CInt(40000)                                ' ERR: 6 13 0
