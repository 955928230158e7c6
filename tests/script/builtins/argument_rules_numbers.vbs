' Null, ranges and wrong types in the number, date and format functions.
On Error Resume Next
Sub Show(ByRef r)
    MsgBox Err.Number & " " & TypeName(r) & ":" & r
    r = Empty
    Err.Clear
End Sub
r = Sgn(Null) : Show r                      ' OUT: 94 Empty:
r = Sgn("x") : Show r                       ' OUT: 13 Empty:
r = Sgn(-32769) : Show r                    ' OUT: 0 Integer:-1
r = Abs(Null) : Show r                      ' OUT: 0 Null:
Randomize Null : Show r                     ' OUT: 94 Empty:
Randomize "x" : Show r                      ' OUT: 13 Empty:
' Weekday checks the first day before a Null date gives Null.
r = Weekday(Null, vbSunday) : Show r        ' OUT: 0 Null:
r = Weekday(Null, -1) : Show r              ' OUT: 5 Empty:
r = Weekday(#1/1/2000#, 8) : Show r         ' OUT: 5 Empty:
r = Weekday(#1/1/2000#, Null) : Show r      ' OUT: 94 Empty:
r = Weekday(Null, "a") : Show r             ' OUT: 13 Empty:
r = Weekday(#1/1/2000#, vbMonday) : Show r  ' OUT: 0 Integer:6
r = MonthName(Null) : Show r                ' OUT: 94 Empty:
r = MonthName("a", Null) : Show r           ' OUT: 94 Empty:
r = MonthName("a") : Show r                 ' OUT: 13 Empty:
r = MonthName(13) : Show r                  ' OUT: 5 Empty:
' The Format functions: a Null value is a type mismatch, a Null option invalid.
r = FormatNumber(Null) : Show r             ' OUT: 13 Empty:
r = FormatNumber("x") : Show r              ' OUT: 13 Empty:
r = FormatNumber(0.1, Null) : Show r        ' OUT: 94 Empty:
r = FormatNumber(0.1, 0, 0, 0, Null) : Show r ' OUT: 94 Empty:
r = FormatCurrency(Null) : Show r           ' OUT: 13 Empty:
r = FormatCurrency(1000, 0, Null) : Show r  ' OUT: 94 Empty:
r = FormatPercent(Null) : Show r            ' OUT: 13 Empty:
r = FormatPercent(0.1, 0, 0, Null) : Show r ' OUT: 94 Empty:
r = FormatDateTime(Null) : Show r           ' OUT: 13 Empty:
r = FormatDateTime(0.1, Null) : Show r      ' OUT: 94 Empty:
r = FormatNumber(1234.5, 2) : Show r        ' OUT: 0 String:1,234.50
