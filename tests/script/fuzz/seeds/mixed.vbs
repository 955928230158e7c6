Dim x, s
x = 1 + 2 * 3
MsgBox x
s = "a" & x
MsgBox s & " " & TypeName(x)
Function Fact(n)
  If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
End Function
MsgBox Fact(10)
Sub Inc(v)
  v = v + 1
End Sub
Dim k : k = 5
Inc k
MsgBox k
Inc (k)
MsgBox k
For i = 1 To 3 : MsgBox i : Next
Dim d : Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d("b") = 2
MsgBox d.Count & " " & d("a") & d.Item("b")
Class Foo
  Public Name
  Private Sub Class_Initialize() : Name = "init" : End Sub
  Public Property Get Upper() : Upper = UCase(Name) : End Property
End Class
Dim f : Set f = New Foo
MsgBox f.Upper
MsgBox -2^2
MsgBox 32767 + 1 & TypeName(32767+1)
On Error Resume Next
x = 1/0
MsgBox Err.Number & Err.Description
On Error GoTo 0
Select Case 5
Case 1, 2: MsgBox "no"
Case 3 To 6: MsgBox "range"
End Select
y = Split("a,b,c", ",")
MsgBox Join(y, "-") & UBound(y)
MsgBox 1/0
