' Round, CInt, CLng, CByte, CCur, Hex and Oct.
' Round takes halves to the even neighbour.
MsgBox Round(0.5) & " " & Round(1.5) & " " & Round(2.5) & " " & Round(3.5) & " " & Round(-0.5)
' OUT: 0 2 2 4 0
MsgBox Round(-1.5) & " " & Round(-2.5)           ' OUT: -2 -2
MsgBox Round(2.4) & " " & Round(2.6) & " " & Round(-2.6) & " " & Round(-2.4) & " " & Round(0.0)
' OUT: 2 3 -3 -2 0
MsgBox Round(1E17)                               ' OUT: 1E+17
' The largest halves below 2^52 still round to even.
MsgBox Round(4503599627370495.5) - 4503599627370495 ' OUT: 1
' Round to decimal places; too many places for the value leave it as it is.
MsgBox Round(0.125, 2) & " " & Round(0.375, 2) & " " & Round(-0.125, 2) ' OUT: 0.12 0.38 -0.12
MsgBox Round(1234.5678, 0) & " " & Round(3.14159, 3) & " " & Round(2.5, 0) ' OUT: 1235 3.142 2
MsgBox Round(1E300, 5) & " " & Round(123.456, 1) ' OUT: 1E+300 123.5
MsgBox (Round(1E300, 5) = 1E300)                 ' OUT: True
' Integer conversions round halves to even, then check their range.
MsgBox CInt(2.5) & " " & CInt(3.5) & " " & CInt(32767.4) & " " & CInt(-32768.5)
' OUT: 2 4 32767 -32768
MsgBox CLng(-2147483648.5)                       ' OUT: -2147483648
MsgBox CByte(254.5) & " " & CByte(-0.5)          ' OUT: 254 0
' Currency holds ten-thousandths.
MsgBox CCur(1.23456) & " " & CCur(-1.5) & " " & CCur(0.00025) & " " & CDbl(CCur(1.2345))
' OUT: 1.2346 -1.5 0.0002 1.2345
' The largest amounts keep their last digits.
MsgBox CCur(922337203685477.5) & " " & CCur(-922337203685477.5) ' OUT: 922337203685477.5 -922337203685477.5
' Hex and Oct work in 16 bits for an Integer, 32 bits for a Long.
MsgBox Hex(255) & " " & Oct(255) & " " & Hex(CLng(-1)) & " " & Oct(CLng(-1))
' OUT: FF 377 FFFFFFFF 37777777777
MsgBox Hex(-1) & " " & Oct(-1) & " " & Hex(CInt(-32768)) & " " & Oct(CInt(-32768))
' OUT: FFFF 177777 8000 100000
MsgBox Hex(CLng(-2147483648)) & " " & Oct(CLng(-2147483648)) ' OUT: 80000000 20000000000
' Values outside a type's range overflow.
On Error Resume Next
x = CInt(32767.5): MsgBox Err.Number: Err.Clear  ' OUT: 6
x = CInt(-32769): MsgBox Err.Number: Err.Clear   ' OUT: 6
x = CLng(2147483647.5): MsgBox Err.Number: Err.Clear ' OUT: 6
x = CByte(255.5): MsgBox Err.Number: Err.Clear   ' OUT: 6
x = CByte(-0.6): MsgBox Err.Number: Err.Clear    ' OUT: 6
x = CCur(922337203685477.625): MsgBox Err.Number: Err.Clear ' OUT: 6
x = CCur(1E15): MsgBox Err.Number: Err.Clear     ' OUT: 6
