' Default members, Property Set, Exit Property and objects in fields.
Class Box
    Private mItem
    Public Default Property Get Item()
        Item = "default:" & TypeName(mItem)
    End Property
    Public Property Set Content(o)
        Set mItem = o
    End Property
    Public Property Get Content()
        If IsEmpty(mItem) Then
            Content = "none"
            Exit Property
        End If
        Set Content = mItem
    End Property
End Class
Set b = New Box
MsgBox b.Content                ' OUT: none
MsgBox b                        ' OUT: default:Empty
Set b.Content = CreateObject("Scripting.Dictionary")
b.Content.Add "k", 1
MsgBox b.Content.Count & b      ' OUT: 1default:Dictionary
x = New Box
MsgBox x                        ' OUT: default:Empty
Class Plain
End Class
y = New Plain                   ' ERR: 438 28 0
