' A block's End on the line of its last statement; one-line Sub, Function, Property and If.
Sub S() x = 7 End Sub
Function F(n) F = n + 1 End Function
Sub T()
    MsgBox "in T" End Sub
Class C
    Public Property Get P() P = 5 End Property
    Public v End Class
T                                 ' OUT: in T
MsgBox F(1)                       ' OUT: 2
Set o = New C
MsgBox o.P                        ' OUT: 5
If F(0) = 1 Then y = "a" Else y = "b" End If
MsgBox y                          ' OUT: a
If F(0) = 2 Then y = "c" Else y = "d" End If : MsgBox y ' OUT: d
If True Then :
If True Then : z = 1 : z = z + 1
MsgBox z                          ' OUT: 2
If False Then : z = 5 Else z = 6
MsgBox z                          ' OUT: 6
