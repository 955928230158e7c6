' Rnd(0) repeats the last value; before any Rnd that is the seed itself. Each engine has
' its own generator.
MsgBox Rnd(0)                     ' OUT: 1.953125E-02
MsgBox Rnd                        ' OUT: 0.7055475
x = Rnd
MsgBox Rnd(0) = x                 ' OUT: True
MsgBox Rnd(-1) = Rnd(-1)          ' OUT: True
