Sub Two(a, b)
End Sub
Two(1, 2)                   ' ERR: 1044 3 0
