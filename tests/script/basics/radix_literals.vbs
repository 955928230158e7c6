' The subtype of hexadecimal and octal literals: 16 bits without the "&" suffix read as
' an Integer; otherwise 32 bits, narrowed to an Integer when the value fits.
Function T(v) : T = TypeName(v) & ":" & v : End Function
MsgBox T(&hffff)                  ' OUT: Integer:-1
MsgBox T(&h7fff)                  ' OUT: Integer:32767
MsgBox T(&h8000)                  ' OUT: Integer:-32768
MsgBox T(&hffff&)                 ' OUT: Long:65535
MsgBox T(&h8000&)                 ' OUT: Long:32768
MsgBox T(&hffffffff&)             ' OUT: Integer:-1
MsgBox T(&h10000)                 ' OUT: Long:65536
MsgBox T(&h7fffffff)              ' OUT: Long:2147483647
MsgBox T(&h80000000)              ' OUT: Long:-2147483648
MsgBox T(&o177777)                ' OUT: Integer:-1
MsgBox T(&o177777&)               ' OUT: Long:65535
MsgBox T(&H1F&)                   ' OUT: Integer:31
