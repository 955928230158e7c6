' With blocks, line continuation, colons and Rem comments.
Set d = CreateObject("Scripting.Dictionary")
With d
    .Add "k", "v"
    .Item("n") = 2
    MsgBox .Count & " " & .Item("k")     ' OUT: 2 v
End With
total = 1 + _
        2 + _
        3
MsgBox total                              ' OUT: 6
Rem a comment line
a = 1 : b = 2 : MsgBox a + b              ' OUT: 3
MsgBox "say ""hi"""                       ' OUT: say "hi"
