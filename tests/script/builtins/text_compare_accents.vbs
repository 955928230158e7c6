' Text compare (1) folds case with the same table as UCase and LCase, accented letters
' and the code page's odd pairs (s caron, oe, z caron, y diaeresis) included.
e = Chr(233) : EE = Chr(201)   ' e acute, E acute
s = Chr(154) : SS = Chr(138)   ' s caron, S caron
y = Chr(255) : YY = Chr(159)   ' y diaeresis, Y diaeresis
MsgBox (UCase(e) = EE) & " " & (LCase(EE) = e) & " " & (UCase(y & s) = YY & SS) ' OUT: True True True
MsgBox StrComp(e, EE, 1) & " " & StrComp(e, EE, 0) & " " & StrComp(y, YY, 1)  ' OUT: 0 1 0
MsgBox StrComp("_", "a", 1) & " " & StrComp("a" & e, "A" & EE & "x", 1)         ' OUT: 1 -1
MsgBox InStr(1, "caf" & e & "s", "F" & EE, 1) & " " & InStr(1, "caf" & e, "F" & EE) ' OUT: 3 0
MsgBox InStrRev(e & "x" & EE, e, -1, 1) & " " & InStrRev(e & "x" & EE, e)       ' OUT: 3 1
MsgBox Len(Replace("a" & s & "b" & SS, s, "-", 1, -1, 1))                        ' OUT: 4
MsgBox Replace("a" & s & "b" & SS, s, "-", 1, -1, 1) = "a-b-"                    ' OUT: True
MsgBox UBound(Split("1" & e & "2" & EE & "3", e, -1, 1))                          ' OUT: 2
MsgBox Join(Filter(Array(YY & "es", "no", y & "ES"), y & "e", True, 1), ",") = YY & "es," & y & "ES" ' OUT: True
Set d = CreateObject("Scripting.Dictionary")
d.CompareMode = 1
d.Add e & "t" & e, 1
MsgBox d.Exists(EE & "T" & EE)                                                   ' OUT: True
