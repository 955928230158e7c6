' Named constants: colours and the larger message-box flags are Longs, the rest Integers.
MsgBox vbBlack & " " & vbRed & " " & vbGreen & " " & vbYellow     ' OUT: 0 255 65280 65535
MsgBox vbBlue & " " & vbMagenta & " " & vbCyan & " " & vbWhite    ' OUT: 16711680 16711935 16776960 16777215
MsgBox TypeName(vbBlack) & TypeName(vbWhite)                     ' OUT: LongLong
MsgBox vbMsgBoxHelpButton & " " & vbMsgBoxSetForeground          ' OUT: 16384 65536
MsgBox vbMsgBoxRight & " " & vbMsgBoxRtlReading                  ' OUT: 524288 1048576
MsgBox TypeName(vbMsgBoxHelpButton) & TypeName(vbMsgBoxRtlReading) ' OUT: LongLong
MsgBox vbUseSystem & vbUseSystemDayOfWeek & vbDatabaseCompare    ' OUT: 002
MsgBox TypeName(vbUseSystem) & TypeName(vbDatabaseCompare)       ' OUT: IntegerInteger
vbRed = 1                                                        ' ERR: 501 10 0
