' A function returns Empty unless it assigns its name; arrays and objects come back whole.
Function Nothing1()
End Function
Function MakeList()
    MakeList = Array(1, 2, 3)
End Function
Function MakeDict()
    Set MakeDict = CreateObject("Scripting.Dictionary")
    MakeDict.Add "k", "v"
End Function
MsgBox IsEmpty(Nothing1())           ' OUT: True
MsgBox UBound(MakeList()) & TypeName(MakeList()) ' OUT: 2Variant()
l = MakeList()
MsgBox l(2)                          ' OUT: 3
MsgBox MakeDict().Item("k")          ' OUT: v
Function Counter()
    Counter = 1
    Counter = Counter + 1
End Function
MsgBox Counter()                     ' OUT: 2
Sub NoValue()
End Sub
NoValue
Call NoValue
Call NoValue()
MsgBox "done"                        ' OUT: done
