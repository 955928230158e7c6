Dim a(2)
a(3) = 1                              ' ERR: 9 2 0
