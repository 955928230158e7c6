' Words that are names where the language allows them; Stop; Me outside a class.
Dim Property, Step, Default
Property = 3 : Step = 4 : Default = 5
MsgBox Property + Step + Default  ' OUT: 12
Set d = CreateObject("Scripting.Dictionary")
On Error Resume Next
x = d.rem
MsgBox Err.Number                 ' OUT: 438
On Error GoTo 0
Stop
total = 7
MsgBox Me.total                   ' OUT: 7
Me.total = 8
MsgBox total                      ' OUT: 8
Sub Hello(n) : MsgBox "hello " & n : End Sub
Me.Hello 2                        ' OUT: hello 2
MsgBox IsObject(Me)               ' OUT: True
Class C
    Function Self : Set Self = Me : End Function
End Class
Set o = New C
MsgBox o.Self Is o                ' OUT: True
