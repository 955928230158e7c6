' INPUT: Ann
name = InputBox("Your name?")                   ' OUT: Your name?
r = MsgBox("Hello " & name, vbYesNo, "T")       ' OUT: Hello Ann
MsgBox r = vbOK                                 ' OUT: True
