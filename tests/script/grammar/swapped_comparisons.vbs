' "=>", "=<" and "><" are ">=", "<=" and "<>".
MsgBox 3 => 2                     ' OUT: True
MsgBox 2 => 2                     ' OUT: True
MsgBox 3 =< 2                     ' OUT: False
MsgBox 2 =< 2                     ' OUT: True
MsgBox 3 >< 2                     ' OUT: True
MsgBox 2 >< 2                     ' OUT: False
