Function F(a)
End Function
x = F(1, 2)                 ' ERR: 450 3 0
