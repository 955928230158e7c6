' Arguments pass by reference unless ByVal, parenthesised or an expression.
Sub Bump(n)
    n = n + 1
End Sub
Sub BumpVal(ByVal n)
    n = n + 1
End Sub
a = 1
Bump a : MsgBox a             ' OUT: 2
Bump (a) : MsgBox a           ' OUT: 2
Call Bump(a) : MsgBox a       ' OUT: 3
BumpVal a : MsgBox a          ' OUT: 3
Bump a + 0 : MsgBox a         ' OUT: 3
Dim arr(2)
arr(1) = 10
Bump arr(1) : MsgBox arr(1)   ' OUT: 11
Function Swap(x, y)
    Dim t : t = x : x = y : y = t
    Swap = "done"
End Function
p = "p" : q = "q"
MsgBox Swap(p, q) & p & q     ' OUT: doneqp
Function Fib(n)
    If n < 2 Then
        Fib = n
        Exit Function
    End If
    Fib = Fib(n - 1) + Fib(n - 2)
End Function
MsgBox Fib(20)                ' OUT: 6765
Sub Local
    Dim a
    a = "inner"
End Sub
Local : MsgBox a              ' OUT: 3
