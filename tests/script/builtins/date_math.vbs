' DateAdd, DateDiff, DatePart and Weekday, shown in the day-first date order.
jan31 = #2010-01-31#
morning = #2010-01-31 08:50:00#
' Years, quarters and months keep the day unless the month is shorter.
MsgBox DateAdd("yyyy", 1, jan31) & " " & DateAdd("q", 1, jan31) & " " & DateAdd("m", 1, jan31)
' OUT: 31/01/2011 30/04/2010 28/02/2010
MsgBox DateAdd("m", 1, #2024-01-31#) & " " & DateAdd("yyyy", 4, #2024-02-29#)
' OUT: 29/02/2024 29/02/2028
MsgBox DateAdd("m", 13, #2024-01-31 10:00:00#)   ' OUT: 28/02/2025 10:00:00
' Day of year, day and week add days; hours and seconds add time.
MsgBox DateAdd("y", 1, jan31) & " " & DateAdd("d", 1, jan31) & " " & DateAdd("ww", 1, jan31)
' OUT: 01/02/2010 01/02/2010 07/02/2010
MsgBox DateAdd("h", 1, morning) & " | " & DateAdd("s", 1, morning)
' OUT: 31/01/2010 09:50:00 | 31/01/2010 08:50:01
MsgBox DateAdd("h", 24, morning)                 ' OUT: 01/02/2010 08:50:00
' A fractional number of days is rounded half to even.
MsgBox DateAdd("d", 1.5, jan31) & " " & DateAdd("d", 2.5, jan31) ' OUT: 02/02/2010 02/02/2010
' Before 30/12/1899 the time of day still counts forward.
MsgBox DateAdd("n", -30, #1899-12-30 00:15:00#)  ' OUT: 29/12/1899 23:45:00
MsgBox DateAdd("n", 30, -1.25) & " | " & DateAdd("d", -1, 0.25)
' OUT: 29/12/1899 06:30:00 | 29/12/1899 06:00:00
' DateDiff counts year, quarter and month boundaries crossed.
MsgBox DateDiff("yyyy", #2023-12-31#, #2024-01-01#) ' OUT: 1
MsgBox DateDiff("yyyy", #2024-01-01#, #2024-12-31#) ' OUT: 0
MsgBox DateDiff("q", #2024-03-31#, #2024-04-01#) ' OUT: 1
MsgBox DateDiff("q", #2023-12-31#, #2024-01-01#) ' OUT: 1
MsgBox DateDiff("m", #2024-01-31#, #2024-02-01#) ' OUT: 1
MsgBox DateDiff("m", #2023-11-15#, #2024-02-14#) ' OUT: 3
' Days crossed, whatever the time of day.
MsgBox DateDiff("d", #2024-01-01 23:00:00#, #2024-01-02 01:00:00#) ' OUT: 1
MsgBox DateDiff("y", #2023-02-28#, #2023-03-01#) ' OUT: 1
MsgBox DateDiff("d", #2024-02-28#, #2024-03-01#) & " " & DateDiff("d", -1.25, 0.25) ' OUT: 2 1
' "w" counts whole weeks, "ww" the first days of the week crossed.
MsgBox DateDiff("w", #2024-01-01#, #2024-01-07#) ' OUT: 0
MsgBox DateDiff("w", #2024-01-01#, #2024-01-08#) ' OUT: 1
MsgBox DateDiff("w", #2024-01-08#, #2024-01-01#) ' OUT: -1
MsgBox DateDiff("ww", #2024-01-01#, #2024-01-07#) ' OUT: 1
MsgBox DateDiff("ww", #2024-01-07#, #2024-01-13#) ' OUT: 0
MsgBox DateDiff("ww", #2024-01-14#, #2024-01-06#) ' OUT: -2
MsgBox DateDiff("ww", #2024-01-01#, #2024-01-07#, 2) ' OUT: 0
MsgBox DateDiff("ww", #2024-01-07#, #2024-01-08#, 2) ' OUT: 1
' Hours, minutes and seconds crossed, also before 30/12/1899.
MsgBox DateDiff("h", #2024-01-01 01:59:59#, #2024-01-01 02:00:00#) ' OUT: 1
MsgBox DateDiff("h", -1.25, 0.25)                ' OUT: 24
MsgBox DateDiff("h", #1899-12-29 23:30:00#, #1899-12-30 00:10:00#) ' OUT: 1
MsgBox DateDiff("n", #2024-01-01 10:00:59#, #2024-01-01 10:01:00#) ' OUT: 1
MsgBox DateDiff("s", #2024-01-01#, #2024-01-02#) ' OUT: 86400
moment = #2024-01-05 18:30:15#
' DatePart of each interval on Friday 05/01/2024 18:30:15; interval names ignore case.
MsgBox DatePart("yyyy", moment) & " " & DatePart("q", moment) & " " & DatePart("m", moment)
' OUT: 2024 1 1
MsgBox DatePart("y", moment) & " " & DatePart("d", moment) ' OUT: 5 5
MsgBox DatePart("h", moment) & " " & DatePart("n", moment) & " " & DatePart("s", moment)
' OUT: 18 30 15
MsgBox DatePart("YYYY", moment) & " " & DatePart("N", moment) ' OUT: 2024 30
' The weekday counts from the chosen first day (0 is Sunday).
MsgBox DatePart("w", moment) & " " & DatePart("w", moment, 2) & " " & DatePart("w", moment, 7)
' OUT: 6 5 7
MsgBox DatePart("w", moment, 0)                  ' OUT: 6
MsgBox DatePart("y", #2024-12-31#) & " " & DatePart("q", #2024-10-01#) ' OUT: 366 4
MsgBox DatePart("h", -1.25)                      ' OUT: 6
' Week of the year: from 1 January, weeks from Sunday (54 weeks in 2000).
MsgBox DatePart("ww", #2024-01-01#, 1, 1) & " " & DatePart("ww", #2024-01-07#, 1, 1) ' OUT: 1 2
MsgBox DatePart("ww", #2024-12-31#, 1, 1) & " " & DatePart("ww", #2000-12-31#, 1, 1) ' OUT: 53 54
' First week with four days, weeks from Monday: the ISO numbering.
MsgBox DatePart("ww", #2003-12-29#, 2, 2) & " " & DatePart("ww", #2021-01-01#, 2, 2) ' OUT: 1 53
MsgBox DatePart("ww", #2020-12-28#, 2, 2) & " " & DatePart("ww", #2024-12-31#, 2, 2) ' OUT: 53 1
' First full week, weeks from Sunday: 01/01/2024 is a Monday.
MsgBox DatePart("ww", #2024-01-01#, 1, 3) & " " & DatePart("ww", #2024-01-07#, 1, 3) ' OUT: 53 1
MsgBox DatePart("ww", #2023-01-01#, 1, 3)        ' OUT: 1
' Weekday counts from the chosen first day; 30/12/1899 (serial 0) was a Saturday.
MsgBox Weekday(#2024-01-07#) & " " & Weekday(#2024-01-07#, 2) & " " & Weekday(#2024-01-08#, 2)
' OUT: 1 7 1
MsgBox Weekday(-1.25)                            ' OUT: 6
MsgBox Weekday(0) & " " & Weekday(45296) & " " & Weekday(45296, 2) & " " & Weekday(45298, 0)
' OUT: 7 6 5 1
' Unknown intervals and results outside years 100 to 9999 are refused.
On Error Resume Next
x = DatePart("", moment): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DatePart("x", moment): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DatePart("dd", moment): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DatePart("yy", moment): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DatePart("hh", moment): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DatePart("mm", moment): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateAdd("d", 1, #9999-12-31#): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateAdd("yyyy", -1, #0100-06-01#): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateAdd("s", 1E12, jan31): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DateDiff("d", 3000000, 0): MsgBox Err.Number: Err.Clear ' OUT: 5
x = DatePart("yyyy", -1E9): MsgBox Err.Number: Err.Clear ' OUT: 5
x = Weekday(1E9): MsgBox Err.Number: Err.Clear   ' OUT: 5
