Dim a(), i, total, n
n = 1000000
ReDim a(n - 1)
For i = 0 To n - 1
    a(i) = i * 2
Next
total = 0
For i = 0 To UBound(a)
    total = total + a(i)
Next
MsgBox total
