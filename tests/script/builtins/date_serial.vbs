' Date serials count days from 30/12/1899; DateSerial and TimeSerial normalise their parts.
' Shown in the day-first date order.
' Known serials and their calendar moments; before serial 0 the time of day counts forward.
MsgBox CDate(0) & " | " & CDate(1) & " | " & CDate(2) & " | " & CDate(36526.5)
' OUT: 00:00:00 | 31/12/1899 | 01/01/1900 | 01/01/2000 12:00:00
MsgBox CDate(45292) & " | " & CDate(45351)       ' OUT: 01/01/2024 | 29/02/2024
MsgBox CDate(3339.34) & " | " & CDate(-0.5) & " | " & CDate(-1) & " | " & CDate(-1.25)
' OUT: 20/02/1909 08:09:36 | 12:00:00 | 29/12/1899 | 29/12/1899 06:00:00
MsgBox CDate(-2.75)                              ' OUT: 28/12/1899 18:00:00
MsgBox CDate(-657434) & " | " & CDate(2958465) & " | " & CDate(0.99999999)
' OUT: 01/01/0100 | 31/12/9999 | 31/12/1899
MsgBox CDate(-657434.999) & " | " & CDate(3.34) & " | " & CDate(-49192.24)
' OUT: 01/01/0100 23:58:34 | 02/01/1900 08:09:36 | 24/04/1765 05:45:36
' The last seconds of years 9999 and 100 are still dates.
MsgBox Year(2958465.99998) & " " & Year(-657434.99998) ' OUT: 9999 100
' DateSerial carries months and days over; years 0 to 29 are 2000s, 30 to 99 are 1900s.
MsgBox DateSerial(2024, 1, 5) & " " & DateSerial(2024, 13, 1) & " " & DateSerial(2024, 3, 0)
' OUT: 05/01/2024 01/01/2025 29/02/2024
MsgBox DateSerial(2024, 0, 1) & " " & DateSerial(2024, 1, -1) ' OUT: 01/12/2023 30/12/2023
MsgBox DateSerial(1990 - 10, 8 - 2, 1 - 1)       ' OUT: 31/05/1980
MsgBox DateSerial(24, 1, 1) & " " & DateSerial(30, 1, 1) & " " & DateSerial(99, 13, 1)
' OUT: 01/01/2024 01/01/1930 01/01/2000
MsgBox DateSerial(2024, 25, 366)                 ' OUT: 01/01/2027
' TimeSerial sums its parts, across midnight in both directions; noon is half a day.
MsgBox TimeSerial(13, 45, 30) & " | " & TimeSerial(12 - 6, -15, 0) ' OUT: 13:45:30 | 05:45:00
MsgBox TimeSerial(0, 90, 0) & " | " & TimeSerial(25, 0, 0) ' OUT: 01:30:00 | 31/12/1899 01:00:00
MsgBox TimeSerial(0, 0, -1) & " | " & TimeSerial(-1, 0, 0) & " | " & TimeSerial(0, 0, 0)
' OUT: 29/12/1899 23:59:59 | 29/12/1899 23:00:00 | 00:00:00
MsgBox CDbl(TimeSerial(12, 0, 0))                ' OUT: 0.5
' DateValue and TimeValue split a serial; before serial 0 the time part stays positive.
MsgBox CDbl(DateValue(45296.75)) & " " & CDbl(TimeValue(45296.75)) ' OUT: 45296 0.75
MsgBox CDbl(DateValue(-1.25)) & " " & CDbl(TimeValue(-1.25)) ' OUT: -1 0.25
' The clock gives a valid moment, and Timer stays within the day.
MsgBox (Year(Now) >= 100) & " " & (Timer >= 0 And Timer < 86400) ' OUT: True True
' Serials outside years 100 to 9999 and out-of-range parts are refused.
On Error Resume Next
x = Year(-657435): MsgBox Err.Number: Err.Clear  ' OUT: 5
x = Year(2958466): MsgBox Err.Number: Err.Clear  ' OUT: 5
x = Year(2958465.999999999): MsgBox Err.Number: Err.Clear ' OUT: 5
x = Year(1E+300): MsgBox Err.Number: Err.Clear   ' OUT: 5
x = Year(-1E+300): MsgBox Err.Number: Err.Clear  ' OUT: 5
x = Year(DateValue(1E+300)): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateSerial(100, 1, 0): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateSerial(9999, 12, 32): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateSerial(32767, 32767, 32767): MsgBox Err.Number: Err.Clear ' OUT: 5
