' Inventory: the stock value and status worked out before an item is saved, and an
' action that notes the day the stock was counted.

Sub Start
    Tb.SetAction "Counted"
End Sub

' Runs before a record is saved: the stock value is quantity times unit price, and the
' status says when the quantity has fallen to the reorder level.
Sub Update
    Dim quantity, price, reorder
    quantity = Trim(Tb.GetField("QUANTITY"))
    price = Trim(Tb.GetField("UNITPRICE"))
    reorder = Trim(Tb.GetField("REORDER"))
    If quantity = "" Then quantity = "0"
    If price = "" Then price = "0"
    Tb.SetField "STOCKVALUE", FormatNumber(CDbl(quantity) * CDbl(price), 2)
    If CLng(quantity) <= 0 Then
        Tb.SetField "STATUS", "out of stock"
    ElseIf reorder <> "" Then
        If CLng(quantity) <= CLng(reorder) Then
            Tb.SetField "STATUS", "low stock: reorder"
        Else
            Tb.SetField "STATUS", "in stock"
        End If
    Else
        Tb.SetField "STATUS", "in stock"
    End If
End Sub

' Notes that the stock of this item was counted today.
Sub Counted
    Tb.SetField "COUNTED", Tb.GetDate()
End Sub
