' Dates read from text and shown as text in the day-first date order.
' The texts that IsDate accepts, in brackets.
Function Accepted(texts)
    Accepted = "accepted:"
    For Each t In texts
        If IsDate(t) Then Accepted = Accepted & " [" & t & "]"
    Next
End Function
' Numeric dates: day and month follow the date order unless only the other way is valid.
MsgBox CDate("05/01/2024") & " | " & CDate("5/1/2024") & " | " & CDate("5.1.2024")
' OUT: 05/01/2024 | 05/01/2024 | 05/01/2024
MsgBox CDate("13/01/2024") & " | " & CDate("01/13/2024") & " | " & CDate("29/02/2024")
' OUT: 13/01/2024 | 13/01/2024 | 29/02/2024
MsgBox CDate("2024-01-05") & " | " & CDate("2024/1/5") & " | " & CDate("5/1/29")
' OUT: 05/01/2024 | 05/01/2024 | 05/01/2029
MsgBox CDate("5/1/30") & " | " & CDate("31/12/9999") & " | " & CDate("5/2024")
' OUT: 05/01/1930 | 31/12/9999 | 01/05/2024
' A number text is a date serial only within the valid dates (more below).
On Error Resume Next
x = CDate("3000000"): MsgBox Err.Number: Err.Clear ' OUT: 13
x = CDate(""): MsgBox Err.Number: Err.Clear  ' OUT: 13
On Error GoTo 0
' Named months and weekdays.
MsgBox CDate("5 Jan 2024") & " | " & CDate("5-Jan-2024") & " | " & CDate("January 5, 2024")
' OUT: 05/01/2024 | 05/01/2024 | 05/01/2024
MsgBox CDate("Friday, January 5, 2024") & " | " & CDate("2024 Jan 5") ' OUT: 05/01/2024 | 05/01/2024
MsgBox CDate("SEPTEMBER 30 2023") & " | " & CDate("Jan 2024") & " | " & CDate("31-Jan-10")
' OUT: 30/09/2023 | 01/01/2024 | 31/01/2010
' Times, alone or with a date.
MsgBox CDate("13:45") & " | " & CDate("13:45:30") & " | " & CDate("1:45 PM")
' OUT: 13:45:00 | 13:45:30 | 13:45:00
MsgBox CDate("12:00 AM") & " | " & CDate("5 PM") & " | " & CDate("05/01/2024 13:45:30")
' OUT: 00:00:00 | 17:00:00 | 05/01/2024 13:45:30
MsgBox CDate("13:45 05/01/2024") & " | " & CDate("2/20/1909 8:09:36 AM")
' OUT: 05/01/2024 13:45:00 | 20/02/1909 08:09:36
' Without a year the date falls in this year.
MsgBox (CDate("5/1") = DateSerial(Year(Date), 1, 5)) ' OUT: True
' Impossible days, trailing or stray parts, bare numbers and malformed times are no dates.
MsgBox Accepted(Array("29/02/2023", "31/04/2024", "13/13/2024", "1/1/10000", "1.5", "/5/1/2024", "5/1/2024/7", "45000", "", "abc", "30 Feb 2024", "5 Ja 2024"))
' OUT: accepted:
MsgBox Accepted(Array("January", "5 Jan 2024 Friday", "24:00", "12:60", "13:00 PM", "0:30 AM", "10:00 11:00", "1"))
' OUT: accepted:
' Noon is half a day; a number text is read as a serial.
MsgBox CDbl(CDate("12:00")) & " | " & CDate("1") & " | " & CDate(" -1.25 ")
' OUT: 0.5 | 31/12/1899 | 29/12/1899 06:00:00
' Date literals are always month first.
MsgBox #1/5/2024# & " | " & #2024-01-05 10:30# & " | " & #13/1/2024#
' OUT: 05/01/2024 | 05/01/2024 10:30:00 | 13/01/2024
' A month name may be shortened ("sept"); a longer word is no month.
MsgBox CDate("5 sept 2024") & " " & IsDate("5 Decembers 2024") ' OUT: 05/09/2024 False
' Month and weekday names; a first day of the week of 0 is Sunday.
MsgBox MonthName(1) & " " & WeekdayName(1) & " " & WeekdayName(1, False, 2)
' OUT: January Sunday Monday
MsgBox WeekdayName(3, True, 0)                   ' OUT: Tue
' A serial past year 9999 has no date text: it shows as its number.
MsgBox CDate(3000000)                            ' OUT: 3000000
' FormatDateTime: general date, long date, short date, long time, short time.
t = 45296 + 13 / 24 + 5 / 1440 + 59 / 86400
MsgBox FormatDateTime(45296, 0) & " | " & FormatDateTime(45296.75, 0)
' OUT: 05/01/2024 | 05/01/2024 18:00:00
MsgBox FormatDateTime(0.5, 0) & " | " & FormatDateTime(-1.25, 0)
' OUT: 12:00:00 | 29/12/1899 06:00:00
MsgBox FormatDateTime(-657434, 0)                ' OUT: 01/01/0100
MsgBox FormatDateTime(45296.75, 1) & " | " & FormatDateTime(45351, 1)
' OUT: Friday, 5 January 2024 | Thursday, 29 February 2024
MsgBox FormatDateTime(45296.75, 2) & " | " & FormatDateTime(45296.75, 3)
' OUT: 05/01/2024 | 18:00:00
MsgBox FormatDateTime(t, 3) & " | " & FormatDateTime(t, 4) ' OUT: 13:05:59 | 13:05
' General and long date texts read back as the same serial (long dates without the time).
r = ""
For Each s In Array(45296, 45296.75, 0.25, -1.25, 45351.5)
    r = r & "; " & CDbl(CDate(FormatDateTime(s, 0))) & " " & CDbl(CDate(FormatDateTime(s, 1)))
Next
MsgBox r
' OUT: ; 45296 45296; 45296.75 45296; 0.25 0; -1.25 -1; 45351.5 45351
