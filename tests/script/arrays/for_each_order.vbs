' For Each visits a many-dimensional array with the first index running fastest.
Dim m(1, 2)
For i = 0 To 1
    For j = 0 To 2
        m(i, j) = i & j
    Next
Next
For Each e In m : s = s & e & " " : Next
MsgBox s                          ' OUT: 00 10 01 11 02 12 
Dim c(1, 1, 1)
c(1, 0, 0) = "x" : c(0, 0, 1) = "z"
For Each e In c : t = t & "[" & e & "]" : Next
MsgBox t                          ' OUT: [][x][][][z][][][]
