' Booleans at the edges of conversion: "#TRUE#"/"#FALSE#" texts, CByte and Round.
MsgBox CBool("#TRUE#")            ' OUT: True
MsgBox CBool("#false#")           ' OUT: False
If "#FALSE#" Then MsgBox "yes" Else MsgBox "no" ' OUT: no
If "#TRUE#" Then MsgBox "yes" Else MsgBox "no"  ' OUT: yes
MsgBox TypeName(CByte(True)) & CByte(True)      ' OUT: Byte255
MsgBox TypeName(CByte(False)) & CByte(False)    ' OUT: Byte0
MsgBox TypeName(Round(True)) & Round(True)      ' OUT: BooleanTrue
MsgBox TypeName(Round(False, 2))                ' OUT: Boolean
x = CBool("#yes#")                ' ERR: 13 10 0
