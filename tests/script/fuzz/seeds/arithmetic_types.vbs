' Result subtypes of arithmetic and their overflow promotion.
MsgBox TypeName(1 + 1)          ' OUT: Integer
MsgBox TypeName(32767 + 1)      ' OUT: Long
MsgBox TypeName(2147483647 + 1) ' OUT: Double
MsgBox TypeName(1 / 1)          ' OUT: Double
MsgBox TypeName(7 \ 2) & 7 \ 2  ' OUT: Integer3
MsgBox 7 Mod 3                  ' OUT: 1
MsgBox 7.5 \ 2                  ' OUT: 4
MsgBox 2 ^ 10                   ' OUT: 1024
MsgBox -2 ^ 2                   ' OUT: 4
MsgBox 1 + 2 * 3 - 4 / 2        ' OUT: 5
MsgBox TypeName(CByte(1) + CByte(1)) ' OUT: Byte
MsgBox TypeName(CByte(200) + CByte(100)) ' OUT: Integer
MsgBox TypeName(CSng(1) + 1)    ' OUT: Single
MsgBox TypeName(CSng(1) + 100000) ' OUT: Double
MsgBox TypeName(CCur(1) + 1.5)  ' OUT: Currency
MsgBox TypeName(True + True) & (True + True) ' OUT: Integer-2
MsgBox TypeName(Empty + Empty)  ' OUT: Integer
MsgBox TypeName(-32768)         ' OUT: Long
MsgBox &HFF & " " & &HFFFF & " " & &H10000 ' OUT: 255 -1 65536
MsgBox 0.1 + 0.2                ' OUT: 0.3
MsgBox 1E+20 * 10               ' OUT: 1E+21
