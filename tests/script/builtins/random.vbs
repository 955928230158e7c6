' Rnd sequences. Each engine has its own generator, fresh for this script.
' Randomize 0 on a fresh generator clears the seed.
Randomize 0
MsgBox Rnd & " " & Rnd                            ' OUT: 0.7641413 0.3576428
' A negative argument gives the same value from any state, and the same sequence after it.
x = Rnd(-1)
after = Rnd
r = Rnd
r = Rnd
y = Rnd(-1)
MsgBox x & " " & y & " " & (Rnd = after)          ' OUT: 0.224007 0.224007 True
' Randomize with the same number from the same state repeats the sequence, within [0, 1).
Function FiveAfterRandomize42()
    r = Rnd(-1)
    Randomize 42
    For i = 1 To 5
        v = Rnd
        If v < 0 Or v >= 1 Then v = "out of range"
        FiveAfterRandomize42 = FiveAfterRandomize42 & " " & v
    Next
End Function
first = FiveAfterRandomize42()
MsgBox (first = FiveAfterRandomize42()) & " " & InStr(first, "out of range") ' OUT: True 0
