' ChrW and AscW speak Unicode; the text itself is Windows-1252 bytes.
MsgBox ChrW(65) & AscW("a")                          ' OUT: A97
MsgBox ChrW(8364) = Chr(128)                         ' OUT: True
MsgBox AscW(Chr(128)) & " " & AscW(Chr(153))         ' OUT: 8364 8482
MsgBox AscW(Chr(233)) & " " & AscW(Chr(129))         ' OUT: 233 129
MsgBox ChrW(376) = Chr(159)                          ' OUT: True
MsgBox ChrW(20013) & ChrW(-1)                        ' OUT: ??
MsgBox Asc(ChrW(65535)) & " " & Len(ChrW(128))       ' OUT: 63 1
x = ChrW(65536)                                      ' ERR: 5 9 0
