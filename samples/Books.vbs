' Books: the checks made before a book is saved, and an action for a book brought back.

Sub Start
    Tb.SetAction "Returned"
End Sub

' Runs before a record is saved; leaving Tb.Cancel true keeps the record unsaved.
Sub Update
    Dim rating
    rating = Trim(Tb.GetField("RATING"))
    If rating <> "" Then
        If CInt(rating) < 1 Or CInt(rating) > 5 Then
            MsgBox "A rating goes from 1 to 5.", vbExclamation, "Books"
            Tb.Cancel = True
            Exit Sub
        End If
    End If
    If Trim(Tb.GetField("LENTTO")) = "" Then
        Tb.SetField "LENTON", ""
    ElseIf Trim(Tb.GetField("LENTON")) = "" Then
        Tb.SetField "LENTON", Tb.GetDate()
    End If
End Sub

' The book is back on its shelf.
Sub Returned
    Tb.SetField "LENTTO", ""
    Tb.SetField "LENTON", ""
End Sub
