' For loops: fractional and negative steps, bounds read once, the counter after the loop.
For x = 0 To 1 Step 0.25 : n = n + 1 : Next
MsgBox n & " " & x                  ' OUT: 5 1.25
limit = 3
For i = 1 To limit
    limit = 10
Next
MsgBox i                            ' OUT: 4
For i = 5 To 1 Step -2 : s = s & i : Next
MsgBox s                            ' OUT: 531
For i = 32766 To 32767 : Next
MsgBox TypeName(i) & i              ' OUT: Long32768
For Each v In Array() : MsgBox "never" : Next
For i = 1 To 3
    For j = 1 To 3
        If j = 2 Then Exit For
        t = t & i & j & " "
    Next
Next
MsgBox t                            ' OUT: 11 21 31 
For Each c In 5 : Next              ' ERR: 451 21 0
