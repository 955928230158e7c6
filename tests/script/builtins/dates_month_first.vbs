' DATEORDER: 2
MsgBox DateSerial(2024, 1, 31)                 ' OUT: 01/31/2024
MsgBox Month(CDate("02/05/2024"))              ' OUT: 2
