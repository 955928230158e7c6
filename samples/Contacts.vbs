' Contacts: the checks made before a record is saved, and two actions for the
' Actions menu. Every procedure reaches the database through the object Tb.

Sub Start
    Tb.SetAction "FindCity"
    Tb.SetAction "CalledToday"
End Sub

' Runs before a record is saved; leaving Tb.Cancel true keeps the record unsaved.
Sub Update
    Dim wantsNews, mail
    wantsNews = Tb.GetField("NEWSLETTER")
    mail = Tb.GetField("EMAIL")
    If wantsNews = "Y" And mail = "" Then
        MsgBox "The newsletter needs an e-mail address.", vbExclamation, "Contacts"
        Tb.Cancel = True
        Exit Sub
    End If
    Tb.SetField "CHANGED", Tb.GetDate()
End Sub

' Fills in City and Country from the Cities database, found by the postal code.
Sub FindCity
    Dim zip, count, i
    zip = UCase(Trim(Tb.GetField("ZIP")))
    If zip = "" Then
        MsgBox "Type a postal code first.", vbInformation, "Find city"
        Exit Sub
    End If
    Tb.CloseDB
    Tb.OpenDB "Cities"
    If Tb.Cancel Then Exit Sub
    count = Tb.GetDBCount()
    For i = 1 To count
        If UCase(Tb.GetDBField(i, "ZIP")) = zip Then
            Tb.SetField "CITY", Tb.GetDBField(i, "CITY")
            Tb.SetField "COUNTRY", Tb.GetDBField(i, "COUNTRY")
            Exit For
        End If
    Next
    Tb.CloseDB
    If i > count Then
        MsgBox "No city has the postal code " & zip & ".", vbInformation, "Find city"
    End If
End Sub

' Notes the date and time of a call just made.
Sub CalledToday
    Tb.SetField "LASTCALL", Tb.GetDate()
    Tb.SetField "CALLTIME", Tb.GetTime()
End Sub
