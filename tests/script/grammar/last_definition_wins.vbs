' A procedure defined twice: the later definition is the one called, from anywhere.
Greet                             ' OUT: second
Sub Greet : MsgBox "first" : End Sub
Function Value : Value = 1 : End Function
Sub Greet : MsgBox "second" : End Sub
Function Value : Value = 2 : End Function
MsgBox Value                      ' OUT: 2
