Dim i, total, x
total = 0 : x = 0.5
For i = 1 To 1000000
    total = total + i Mod 7
    x = x * 1.000001 + 0.25
Next
MsgBox total & " " & Int(x)
