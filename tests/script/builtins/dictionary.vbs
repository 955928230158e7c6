Set d = CreateObject("Scripting.Dictionary")
d.Add "b", 2
d.Add "a", 1
d(3) = "three"
MsgBox d.Count & d.Exists("a") & d.Exists("A")  ' OUT: 3TrueFalse
MsgBox Join(d.Keys, ",") & "|" & Join(d.Items, ",") ' OUT: b,a,3|2,1,three
d.Key("a") = "z"
d.Remove "b"
For Each k In d : s = s & k & "=" & d(k) & ";" : Next
MsgBox s                                        ' OUT: z=1;3=three;
MsgBox IsEmpty(d("missing")) & d.Count          ' OUT: True3
d.RemoveAll
d.CompareMode = 1
d.Add "Key", 1
MsgBox d.Exists("KEY")                          ' OUT: True
d.Add "key", 2                                  ' ERR: 457 16 0
