' Comparisons with Null and Empty on either side, and across subtypes.
MsgBox TypeName(Null = 1)         ' OUT: Null
MsgBox TypeName(1 <> Null)        ' OUT: Null
MsgBox TypeName(Null = Null)      ' OUT: Null
MsgBox TypeName("a" < Null)       ' OUT: Null
MsgBox Empty = 0                  ' OUT: True
MsgBox 0 = Empty                  ' OUT: True
MsgBox Empty = ""                 ' OUT: True
MsgBox Empty < 1                  ' OUT: True
MsgBox Empty > -1                 ' OUT: True
MsgBox Empty = Empty              ' OUT: True
MsgBox CSng(0.1) = 0.1            ' OUT: True
MsgBox 0.1 = CSng(0.1)            ' OUT: True
MsgBox CDbl(CSng(0.1)) = 0.1      ' OUT: False
MsgBox CSng(0.5) < 0.50000001     ' OUT: False
MsgBox CInt(1) = CLng(1)          ' OUT: True
MsgBox CCur(0.5) = 0.5            ' OUT: True
MsgBox True = -1                  ' OUT: True
x = "10" : y = 9 : MsgBox x > y   ' OUT: True
MsgBox "10" = 10                  ' OUT: True
MsgBox "abc" < "abd"              ' OUT: True
