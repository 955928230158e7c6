' A string compared with a numeric literal is read as a number; two
' variables of different subtypes are not converted.
s = "5" : n = 5
MsgBox s = 5                    ' OUT: True
MsgBox s = n                    ' OUT: False
MsgBox n < s                    ' OUT: True
Select Case s
    Case 5: MsgBox "five"       ' OUT: five
End Select
