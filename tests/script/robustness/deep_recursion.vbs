Function Down(n)
    Down = Down(n + 1)
End Function
x = Down(0)                 ' ERR: 28 2 4
