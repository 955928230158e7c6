' A conversion function called as a statement evaluates its argument first: the
' argument's own error wins; only a conversion that succeeds raises 458.
On Error Resume Next
Sub Show()
    MsgBox Err.Number
    Err.Clear
End Sub
Call CInt(1) : Show               ' OUT: 458
CStr 1 : Show                     ' OUT: 458
Call CInt("") : Show              ' OUT: 13
CStr(Null) : Show                 ' OUT: 94
Call CByte("258") : Show          ' OUT: 6
Call CDate("no date") : Show      ' OUT: 13
Call CBool("#TRUE#") : Show       ' OUT: 458
On Error GoTo 0
Call CLng(2)                      ' ERR: 458 16 0
