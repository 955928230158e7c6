' FormatNumber, FormatCurrency and FormatPercent: decimals, leading digit, parentheses for
' negatives and digit grouping (vbTrue, vbFalse or vbUseDefault).
' Two decimals by default, halves rounded away from zero, thousands grouped.
MsgBox FormatNumber(1234.5) & " " & FormatNumber(1234.5, 0) & " " & FormatNumber(2.5, 0)
' OUT: 1,234.50 1,235 3
MsgBox FormatNumber(-0.5, 0)                     ' OUT: -1
MsgBox FormatNumber(1.005) & " " & FormatNumber(999.995) & " " & FormatNumber(1E20, 0)
' OUT: 1.01 1,000.00 100,000,000,000,000,000,000
MsgBox FormatNumber(1 / 3, 20)                   ' OUT: 0.33333333333333300000
' Without the leading digit, with parentheses, without grouping.
MsgBox FormatNumber(0.5, -1, vbFalse) & " " & FormatNumber(-0.5, -1, vbFalse) ' OUT: .50 -.50
MsgBox FormatNumber(0.25, 0, vbFalse)            ' OUT: 0
MsgBox FormatNumber(-1234.5, -1, vbUseDefault, vbTrue) ' OUT: (1,234.50)
MsgBox FormatNumber(1234567.891, -1, vbUseDefault, vbUseDefault, vbFalse) ' OUT: 1234567.89
MsgBox FormatNumber(12345678, -1, vbUseDefault, vbUseDefault, vbTrue) ' OUT: 12,345,678.00
' The dollar comes after the sign, inside the parentheses.
MsgBox FormatCurrency(1234.5) & " " & FormatCurrency(-1234.5) ' OUT: $1,234.50 -$1,234.50
MsgBox FormatCurrency(-1234.5, -1, vbUseDefault, vbTrue) ' OUT: ($1,234.50)
MsgBox FormatCurrency(0.5, -1, vbFalse)          ' OUT: $.50
MsgBox FormatCurrency(1234.5, 0, vbUseDefault, vbUseDefault, vbFalse) ' OUT: $1235
' FormatPercent scales by a hundred.
MsgBox FormatPercent(0.1234) & " " & FormatPercent(0.5, 0) & " " & FormatPercent(-0.25)
' OUT: 12.34% 50% -25.00%
MsgBox FormatPercent(-0.25, -1, vbUseDefault, vbTrue) ' OUT: (25.00%)
MsgBox FormatPercent(1) & " " & FormatPercent(12.5) & " " & FormatPercent(0.0005, 0)
' OUT: 100.00% 1,250.00% 0%
