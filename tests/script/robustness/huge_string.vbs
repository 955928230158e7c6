s = "x"
Do
    s = s & s               ' ERR: 7 3 4
Loop
