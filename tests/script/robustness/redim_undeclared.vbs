' ReDim declares a name nothing declared before, also under Option Explicit.
Option Explicit
ReDim a(3)
MsgBox UBound(a)                  ' OUT: 3
Sub Grow
    ReDim b(2)
    b(2) = "last"
    MsgBox UBound(b) & " " & b(2)
End Sub
Grow                              ' OUT: 2 last
ReDim Preserve c(1)
MsgBox UBound(c)                  ' OUT: 1
Sub Shadow
    ReDim a(5)
End Sub
Shadow
MsgBox UBound(a)                  ' OUT: 5
ReDim Grow(1)                     ' ERR: 501 18 0
