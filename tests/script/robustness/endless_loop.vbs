' TIMEOUT: 200
Do
    x = x + 1               ' ERR: -2147467260 2 0
Loop
