' "&h" starts a hexadecimal number only before a hexadecimal digit; else it is "&" and
' a name.
hi = "y" : ho = "z"
MsgBox "x" &hi                    ' OUT: xy
MsgBox "x" &ho                    ' OUT: xz
MsgBox &h1F                       ' OUT: 31
MsgBox &o17                       ' OUT: 15
MsgBox &17                        ' OUT: 15
