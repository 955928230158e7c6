' Dates are written and read in the host's date order (here day first).
d = DateSerial(2024, 1, 31)
MsgBox d                                       ' OUT: 31/01/2024
MsgBox DateAdd("m", 1, d)                      ' OUT: 29/02/2024
MsgBox DateDiff("d", d, DateSerial(2024, 3, 1)) ' OUT: 30
MsgBox Year(d) & "-" & Month(d) & "-" & Day(d) ' OUT: 2024-1-31
MsgBox Weekday(d) & WeekdayName(Weekday(d)) & MonthName(2, True) ' OUT: 4WednesdayFeb
MsgBox CDate("05/02/2024") = DateSerial(2024, 2, 5) ' OUT: True
MsgBox TimeSerial(13, 5, 0)                    ' OUT: 13:05:00
MsgBox IsDate("31/12/2023") & IsDate("hello")  ' OUT: TrueFalse
MsgBox TypeName(Now) & TypeName(Date)          ' OUT: DateDate
MsgBox #2024-03-01# - d                        ' OUT: 30
