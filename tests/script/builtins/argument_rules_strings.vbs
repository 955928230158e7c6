' Null, compare modes and wrong types in the string functions. Each line shows the error
' number (0 for none) and the type of the result.
On Error Resume Next
Sub Show(ByRef r)
    MsgBox Err.Number & " " & TypeName(r) & ":" & r
    r = Empty
    Err.Clear
End Sub
' InStr: a Null string gives Null; a Null start or compare is refused; modes are 0 and 1.
r = InStr("abcd", Null) : Show r            ' OUT: 0 Null:
r = InStr(2, Null, "abcd") : Show r         ' OUT: 0 Null:
r = InStr(Null, "abcd", "b") : Show r       ' OUT: 94 Empty:
r = InStr(2, "abcd", "b", Null) : Show r    ' OUT: 94 Empty:
r = InStr(2, "abcd", "b", 2) : Show r       ' OUT: 5 Empty:
r = InStr(-20, "abcd", "b", 1) : Show r     ' OUT: 5 Empty:
r = InStr("x", "abcd", "b") : Show r        ' OUT: 13 Empty:
r = InStr(3, "abcdefgh", "FG", 1.4) : Show r ' OUT: 0 Long:6
r = InStr(4, "abcdef", "") : Show r         ' OUT: 0 Long:4
r = InStr(1, 23456, 45) : Show r            ' OUT: 0 Long:3
' InStrRev refuses Null everywhere; an empty find is found at the start.
r = InStrRev("abcd", "", 3) : Show r        ' OUT: 0 Long:3
r = InStrRev("", "", 3) : Show r            ' OUT: 0 Long:0
r = InStrRev("abcd", "bc", 2.6) : Show r    ' OUT: 0 Long:2
r = InStrRev("abcd", Null) : Show r         ' OUT: 94 Empty:
r = InStrRev(Null, "a") : Show r            ' OUT: 94 Empty:
r = InStrRev("abcd", "b", Null) : Show r    ' OUT: 94 Empty:
r = InStrRev("abcd", "b", 2, 10) : Show r   ' OUT: 5 Empty:
r = InStrRev("abcd", "b", -20) : Show r     ' OUT: 5 Empty:
' Left, Right and Mid check their counts before a Null string gives Null.
r = Left(Null, 1) : Show r                  ' OUT: 0 Null:
r = Left(Null, -1) : Show r                 ' OUT: 5 Empty:
r = Left("abc", Null) : Show r              ' OUT: 94 Empty:
r = Right("test", "x") : Show r             ' OUT: 13 Empty:
r = Right(Null, 0) : Show r                 ' OUT: 0 Null:
r = Mid(Null, 1) : Show r                   ' OUT: 0 Null:
r = Mid(Null, -1, -1) : Show r              ' OUT: 5 Empty:
r = Mid("test", "a", Null) : Show r         ' OUT: 94 Empty:
r = Mid("test", "a", Empty) : Show r        ' OUT: 13 Empty:
r = Mid("test", Null, 2) : Show r           ' OUT: 94 Empty:
r = Mid("test", Empty, 1) : Show r          ' OUT: 5 Empty:
' Split and Replace refuse Null in every argument.
r = Split(Null) : Show r                    ' OUT: 94 Empty:
r = Split("a-b", Null) : Show r             ' OUT: 94 Empty:
r = Split("a-b", "-", Null) : Show r        ' OUT: 94 Empty:
r = Split("a-b", "-", -1, 2) : Show r       ' OUT: 5 Empty:
r = Split("a-b", "-", -42) : Show r         ' OUT: 5 Empty:
r = Replace(Null, "x", "y") : Show r        ' OUT: 94 Empty:
r = Replace("xx", "x", Null) : Show r       ' OUT: 94 Empty:
r = Replace("xx", "x", "y", 1, 1, Null) : Show r ' OUT: 94 Empty:
r = Replace("xx", "x", "y", 1, 1, 8) : Show r ' OUT: 5 Empty:
r = Replace("xx", "x", "y", 0) : Show r     ' OUT: 5 Empty:
r = Replace("xxx", "", "y", 2) : Show r     ' OUT: 0 String:xx
' Join wants an array and a text delimiter.
r = Join(Null) : Show r                     ' OUT: 94 Empty:
r = Join(Array("a", Null)) : Show r         ' OUT: 13 Empty:
r = Join("a b") : Show r                    ' OUT: 13 Empty:
r = Join(Array("a", "b"), Null) : Show r    ' OUT: 94 Empty:
r = Join(Array("a", 1), 2) : Show r         ' OUT: 0 String:a21
r = Join(CreateObject("Scripting.Dictionary")) : Show r ' OUT: 438 Empty:
Dim grid(1, 1)
r = Join(grid) : Show r                     ' OUT: 13 Empty:
