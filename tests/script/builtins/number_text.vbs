' Numbers as text: CStr of each numeric type, and which texts read as numbers.
' Doubles print as short as they can.
MsgBox 0.0 & " " & CDbl(-0.5 * 0) & " " & 1.5 & " " & -0.25 & " " & 0.56789
' OUT: 0 0 1.5 -0.25 0.56789
' Doubles keep fifteen significant digits.
MsgBox 3.141592653589793 & " " & 12.345678901234567 ' OUT: 3.14159265358979 12.3456789012346
MsgBox (1 / 3) & " " & (0.1 + 0.2) & " " & 999999999999999.0
' OUT: 0.333333333333333 0.3 999999999999999
' From 1E+15 up and below 1E-15 they switch to exponents.
MsgBox 1E15 & " " & 1.234E16 & " " & 123456789012345678.0 & " " & 999999999999999.9
' OUT: 1E+15 1.234E+16 1.23456789012346E+17 1E+15
MsgBox 0.0001 & " " & 1E-15 & " " & 1E-16 & " " & 5.6789E-12
' OUT: 0.0001 0.000000000000001 1E-16 5.6789E-12
' Small values with many digits switch to an exponent too.
MsgBox (0.02 - 2.2351741790771484E-10) & " " & (1 / 30)
' OUT: 1.99999997764826E-02 3.33333333333333E-02
' The largest double and the smallest denormal.
MsgBox 1.7976931348623157E+308 & " " & 4.94065645841247E-324
' OUT: 1.79769313486232E+308 4.94065645841247E-324
' Singles keep seven digits.
MsgBox CSng(1.5) & " " & CSng(1234567) & " " & CSng(1E7) & " " & CSng(3.1415927)
' OUT: 1.5 1234567 1E+07 3.141593
MsgBox CSng(-2.5E-8)                             ' OUT: -2.5E-08
' Currency prints its ten-thousandths without trailing zeros.
MsgBox CCur(1.2345) & " " & CCur(1.5) & " " & CCur(-0.0005) ' OUT: 1.2345 1.5 -0.0005
' Texts IsNumeric accepts, read by CDbl: signs, blanks, exponents (also D), thousands, &H and &O.
MsgBox CDbl(vbTab & "-7" & vbTab) & " " & CDbl("+3.5") & " " & CDbl("-.5") & " " & CDbl("1.")
' OUT: -7 3.5 -0.5 1
MsgBox CDbl("2.5E-3") & " " & CDbl("1d2") & " " & CDbl("1E+02") & " " & CDbl("1,234,567.5")
' OUT: 0.0025 100 100 1234567.5
MsgBox CDbl("&hff") & " " & CDbl("&HFFFF") & " " & CDbl("&H10000") & " " & CDbl("&HFFFFFFFF")
' OUT: 255 -1 65536 -1
MsgBox CDbl("&O17") & " " & CDbl("1e-400") & " " & CDbl("007") ' OUT: 15 0 7
' &H and &O digits wrap like literals: up to 16 bits as an Integer, then 32 bits.
MsgBox CDbl("&H7FFF") & " " & CDbl("&H8000") & " " & CDbl("&H80000000") & " " & CDbl("&O177777")
' OUT: 32767 -32768 -2147483648 -1
' The texts that IsNumeric accepts, in brackets.
Function Accepted(texts)
    Accepted = "accepted:"
    For Each t In texts
        If IsNumeric(t) Then Accepted = Accepted & " [" & t & "]"
    Next
End Function
' No number: empty, a lone sign or point, stray or doubled characters, too large, unknown radix.
MsgBox Accepted(Array("", " ", ".", "-", "+-1", "1e", "1e+", "abc", "1a", "1 2", "1..2", "1.2.3", ",1", "1,", "$1"))
' OUT: accepted:
MsgBox Accepted(Array("&H", "&HG", "&O8", "&H100000000", "1e400", "&X10", "()", "(1", "1)", "-1-", "-(1)", "5--", "1e1.", "1 e1"))
' OUT: accepted:
