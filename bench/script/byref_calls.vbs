Sub AddTo(ByRef acc, ByVal v)
    acc = acc + v
End Sub
Function Twice(n)
    Twice = n * 2
End Function
Dim total, i
total = 0
For i = 1 To 500000
    AddTo total, Twice(i)
Next
MsgBox total
