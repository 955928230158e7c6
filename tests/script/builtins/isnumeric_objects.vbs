' IsNumeric judges an object by its default property.
Class Holder
    Public value
    Public Default Property Get Item
        Item = value
    End Property
End Class
Class Plain
End Class
Set h = New Holder
h.value = 1
MsgBox IsNumeric(h)             ' OUT: True
h.value = "12.5"
MsgBox IsNumeric(h)             ' OUT: True
h.value = "test"
MsgBox IsNumeric(h)             ' OUT: False
MsgBox IsNumeric(New Plain)     ' OUT: False
MsgBox IsNumeric(Nothing)       ' OUT: False
MsgBox IsNumeric(Empty) & IsNumeric(Null) & IsNumeric("") ' OUT: TrueFalseFalse
