' A long chain of objects is freed without exhausting the stack.
Class Node
    Public Nxt
End Class
Set head = Nothing
For i = 1 To 300000
    Set n = New Node
    Set n.Nxt = head
    Set head = n
Next
Set n = Nothing
Set head = Nothing
Set d = CreateObject("Scripting.Dictionary")
For i = 1 To 300000
    Set outer = CreateObject("Scripting.Dictionary")
    outer.Add "inner", d
    Set d = outer
Next
Set d = Nothing : Set outer = Nothing
MsgBox "freed"              ' OUT: freed
