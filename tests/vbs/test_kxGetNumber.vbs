' kxGetNumber through late binding: Value, the text styles' Text, the members' round trips and bad values.
Set n = CreateObject("Korvix32.kxGetNumber")

Check "a new control holds 0", n.Value, CDbl(0)
values = Array(1234.5, -0.5, 0.1 + 0.2, 1E-20, 1 / 3)
For Each v In values
    n.Value = v
    Check "Value " & v, n.Value, CDbl(v)
    Check "the default member " & v, CDbl(n), CDbl(v)
Next

styles = Array(Array(0, 1234.5, "1234.5"), Array(1, 1234.5678, "1,234.568"), Array(3, 0, "zero"), _
    Array(3, 21, "twenty one"), Array(2, 0, "صفر"), Array(2, 5, "پنج"), Array(2, 1 / 3, "0.333333333333333"))
For Each c In styles
    n.TextStyle = c(0)
    n.Value = c(1)
    Check "Text in style " & c(0) & " of " & c(1), n.Text, c(2)
    Check "Value stays in style " & c(0), n.Value, CDbl(c(1))
Next

n.TextStyle = 1
n.ShowFormat = "0.00"
n.Value = 2.5
Check "a pattern of the host", n.Text, "2.50"
Check "ShowFormat", n.ShowFormat, "0.00"
n.Style = 1
Check "Style", n.Style, CLng(1)
n.Locked = True
Check "Locked", n.Locked, True
n.EnterNextTab = False
Check "EnterNextTab", n.EnterNextTab, False
n.WordWrap = True
Check "WordWrap", n.WordWrap, True
n.Alignment = 2
Check "Alignment", n.Alignment, CLng(2)
n.BackColor = &HFF
Check "BackColor", n.BackColor, CLng(255)
n.FontName = "DejaVu Sans"
Check "FontName", n.FontName, "DejaVu Sans"
Check "Hwnd is a window", n.Hwnd <> 0, True
n.ShowComboCalc
Check "an unshown control opens nothing", n.Value, CDbl(2.5)

On Error Resume Next
n.TextStyle = 4
CheckError "TextStyle 4", 380
n.Style = 2
CheckError "Style 2", 380
n.BorderStyle = 2
CheckError "BorderStyle 2", 380
n.Value = "abc"
CheckError "text that is no number", 13
On Error GoTo 0
Check "kept after the failures", n.Value, CDbl(2.5)
