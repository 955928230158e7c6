Dim s, i, count
s = ""
For i = 1 To 200000
    s = s & Chr(65 + i Mod 26)
Next
count = 0
For i = 1 To Len(s)
    If Mid(s, i, 1) = "A" Then count = count + 1
Next
MsgBox Len(s) & " " & count
