' Classes: fields, properties, methods, Me, initialise/terminate, Is, Nothing.
Class Account
    Private mBalance
    Public Owner
    Private Sub Class_Initialize()
        mBalance = 0
        MsgBox "created"
    End Sub
    Private Sub Class_Terminate()
        MsgBox "gone " & Owner
    End Sub
    Public Property Get Balance()
        Balance = mBalance
    End Property
    Public Property Let Balance(v)
        If v < 0 Then Err.Raise 5
        mBalance = v
    End Property
    Public Function Deposit(amount)
        Balance = mBalance + amount
        Set Deposit = Me
    End Function
End Class
Dim acc : Set acc = New Account       ' OUT: created
acc.Owner = "Ann"
acc.Deposit(10).Deposit 5
MsgBox acc.Balance                    ' OUT: 15
acc.Balance = 3
MsgBox acc.Balance & TypeName(acc)    ' OUT: 3Account
Dim other : Set other = acc
MsgBox (other Is acc) & (acc Is Nothing) ' OUT: TrueFalse
Set acc = Nothing
Set other = Nothing                   ' OUT: gone Ann
MsgBox IsObject(other)                ' OUT: True
Set c = New Account                   ' OUT: created
c.Missing                             ' ERR: 438 36 0
