' Fixed and dynamic arrays, ReDim Preserve, multi-dimensional, Erase, copies.
Dim fixed(3)
MsgBox UBound(fixed) & LBound(fixed)  ' OUT: 30
Dim grid(2, 3)
grid(2, 3) = "corner"
MsgBox UBound(grid, 2) & grid(2, 3)   ' OUT: 3corner
Dim dyn()
ReDim dyn(1)
dyn(0) = "a" : dyn(1) = "b"
ReDim Preserve dyn(2)
dyn(2) = "c"
MsgBox Join(dyn, "")                  ' OUT: abc
copy = dyn
copy(0) = "z"
MsgBox dyn(0) & copy(0)               ' OUT: az
ReDim dyn(0)
MsgBox IsEmpty(dyn(0))                ' OUT: True
Erase fixed
MsgBox IsEmpty(fixed(1))              ' OUT: True
MsgBox IsArray(dyn) & TypeName(dyn)   ' OUT: TrueVariant()
' A fixed array refuses ReDim before the new bounds are converted; a dynamic one converts them.
On Error Resume Next
ReDim fixed(1 / 0)
MsgBox Err.Number                     ' OUT: 10
Err.Clear
ReDim Preserve grid("x", 3)
MsgBox Err.Number                     ' OUT: 10
Err.Clear
ReDim dyn("x")
MsgBox Err.Number                     ' OUT: 13
On Error GoTo 0
ReDim fixed(5)                        ' ERR: 10 32 0
