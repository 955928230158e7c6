' DATEORDER: 2
' Dates read from text and shown as text in the month-first date order.
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
' OUT: 01/13/2024 | 01/13/2024 | 02/29/2024
MsgBox CDate("2024-01-05") & " | " & CDate("2024/1/5") & " | " & CDate("5/1/29")
' OUT: 01/05/2024 | 01/05/2024 | 05/01/2029
MsgBox CDate("5/1/30") & " | " & CDate("31/12/9999") & " | " & CDate("5/2024")
' OUT: 05/01/1930 | 12/31/9999 | 05/01/2024
' Named months and weekdays.
MsgBox CDate("5 Jan 2024") & " | " & CDate("5-Jan-2024") & " | " & CDate("January 5, 2024")
' OUT: 01/05/2024 | 01/05/2024 | 01/05/2024
MsgBox CDate("Friday, January 5, 2024") & " | " & CDate("2024 Jan 5") ' OUT: 01/05/2024 | 01/05/2024
MsgBox CDate("SEPTEMBER 30 2023") & " | " & CDate("Jan 2024") & " | " & CDate("31-Jan-10")
' OUT: 09/30/2023 | 01/01/2024 | 01/31/2010
' Times, alone or with a date.
MsgBox CDate("13:45") & " | " & CDate("13:45:30") & " | " & CDate("1:45 PM")
' OUT: 13:45:00 | 13:45:30 | 13:45:00
MsgBox CDate("12:00 AM") & " | " & CDate("5 PM") & " | " & CDate("05/01/2024 13:45:30")
' OUT: 00:00:00 | 17:00:00 | 05/01/2024 13:45:30
MsgBox CDate("13:45 05/01/2024") & " | " & CDate("2/20/1909 8:09:36 AM")
' OUT: 05/01/2024 13:45:00 | 02/20/1909 08:09:36
' Without a year the date falls in this year.
MsgBox (CDate("5/1") = DateSerial(Year(Date), 5, 1)) ' OUT: True
' Impossible days, trailing or stray parts, bare numbers and malformed times are no dates.
MsgBox Accepted(Array("29/02/2023", "31/04/2024", "13/13/2024", "1/1/10000", "1.5", "/5/1/2024", "5/1/2024/7", "45000", "", "abc", "30 Feb 2024", "5 Ja 2024"))
' OUT: accepted:
MsgBox Accepted(Array("January", "5 Jan 2024 Friday", "24:00", "12:60", "13:00 PM", "0:30 AM", "10:00 11:00"))
' OUT: accepted:
MsgBox CDbl(CDate("2/20/1909 8:09:36 AM"))       ' OUT: 3339.34
' FormatDateTime: general date, long date, short date, long time, short time.
t = 45296 + 13 / 24 + 5 / 1440 + 59 / 86400
MsgBox FormatDateTime(45296, 0) & " | " & FormatDateTime(45296.75, 0)
' OUT: 01/05/2024 | 01/05/2024 18:00:00
MsgBox FormatDateTime(0.5, 0) & " | " & FormatDateTime(-1.25, 0)
' OUT: 12:00:00 | 12/29/1899 06:00:00
MsgBox FormatDateTime(-657434, 0)                ' OUT: 01/01/0100
MsgBox FormatDateTime(45296.75, 1) & " | " & FormatDateTime(45351, 1)
' OUT: Friday, January 5, 2024 | Thursday, February 29, 2024
MsgBox FormatDateTime(45296.75, 2) & " | " & FormatDateTime(45296.75, 3)
' OUT: 01/05/2024 | 18:00:00
MsgBox FormatDateTime(t, 3) & " | " & FormatDateTime(t, 4) ' OUT: 13:05:59 | 13:05
' General and long date texts read back as the same serial (long dates without the time).
r = ""
For Each s In Array(45296, 45296.75, 0.25, -1.25, 45351.5)
    r = r & "; " & CDbl(CDate(FormatDateTime(s, 0))) & " " & CDbl(CDate(FormatDateTime(s, 1)))
Next
MsgBox r
' OUT: ; 45296 45296; 45296.75 45296; 0.25 0; -1.25 -1; 45351.5 45351
