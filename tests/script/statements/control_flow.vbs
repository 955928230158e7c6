' Block and single-line If, Select Case, loops and Exit.
x = 5
If x > 3 Then MsgBox "big" Else MsgBox "small"   ' OUT: big
If x = 1 Then
    MsgBox "one"
ElseIf x = 5 Then
    MsgBox "five"                                 ' OUT: five
Else
    MsgBox "other"
End If
Select Case "b"
    Case "a": MsgBox "a"
    Case "b", "c": MsgBox "b or c"                ' OUT: b or c
End Select
Select Case 42
    Case Is < 10: MsgBox "small"
    Case 40 To 50: MsgBox "forties"               ' OUT: forties
    Case Else: MsgBox "else"
End Select
For i = 10 To 1 Step -3 : s = s & i & " " : Next
MsgBox s                                          ' OUT: 10 7 4 1 
n = 0
Do While n < 3 : n = n + 1 : Loop
MsgBox n                                          ' OUT: 3
Do : n = n + 1 : Loop Until n >= 10
MsgBox n                                          ' OUT: 10
Do
    n = n - 1
    If n = 7 Then Exit Do
Loop
MsgBox n                                          ' OUT: 7
While n > 0 : n = n - 2 : Wend
MsgBox n                                          ' OUT: -1
For Each v In Array(1, "two", 3.5)
    t = t & TypeName(v) & ";"
Next
MsgBox t                                          ' OUT: Integer;String;Double;
For i = 1 To 10
    If i = 4 Then Exit For
Next
MsgBox i                                          ' OUT: 4
For i = 1 To 0 : MsgBox "never" : Next
MsgBox i                                          ' OUT: 1
