' kxGetMask through late binding, outside any container: the defaults, the lets' rules, Value and Text.
Set m = CreateObject("Korvix32.kxGetMask")
Check "the default interface", TypeName(m), "_kxGetMask"
Check "InputMask of a new control", m.InputMask, "0"
Check "Value of a new control", m.Value, ""
Check "Text of a new control", m.Text, "_"
Check "InputMode", m.InputMode, CLng(0)
Check "FormatChar", m.FormatChar, "@"
Check "FormatNum", m.FormatNum, "0"
Check "FormatCharShow", m.FormatCharShow, "_"
Check "FormatNumShow", m.FormatNumShow, "_"
Check "Alignment", m.Alignment, CLng(0)
Check "Appearance", m.Appearance, CLng(1)
Check "BorderStyle", m.BorderStyle, CLng(1)
Check "BackColor", m.BackColor, &H80000005
Check "ForeColor", m.ForeColor, &H80000008
Check "Enabled", m.Enabled, True
Check "Locked", m.Locked, False
Check "UseUpDownKey", m.UseUpDownKey, False
Check "EnterNextTab", m.EnterNextTab, True
Check "SelStart", m.SelStart, CLng(0)
Check "hdc", m.hdc <> 0, True

' The lets of the mask characters keep the first character; empty gives the default.
lets = Array( _
    Array("FormatChar", "xyz", "x"), Array("FormatChar", "", "@"), _
    Array("FormatNum", "#9", "#"), Array("FormatNum", "", "0"), _
    Array("FormatCharShow", "*", "*"), Array("FormatCharShow", "", "_"), _
    Array("FormatNumShow", "ـ.", "ـ"), Array("FormatNumShow", "", "_"))
For Each c In lets
    Select Case c(0)
        Case "FormatChar": m.FormatChar = c(1): got = m.FormatChar
        Case "FormatNum": m.FormatNum = c(1): got = m.FormatNum
        Case "FormatCharShow": m.FormatCharShow = c(1): got = m.FormatCharShow
        Case "FormatNumShow": m.FormatNumShow = c(1): got = m.FormatNumShow
    End Select
    Check c(0) & " = [" & c(1) & "]", got, c(2)
Next

' Mask, value: the text shown and the value read back.
cases = Array( _
    Array("0000/00/00", "20241231", "2024/12/31", "20241231"), _
    Array("0000/00/00", "202412", "2024/12/__", "202412"), _
    Array("(000) 000-0000", "", "(___) ___-____", ""), _
    Array("@@-000", "ab12", "ab-12_", "ab12"), _
    Array("0@", "a", "_a", "a"), _
    Array("000", "a12", "___", ""), _
    Array("00", "-5", "-5", "-5"), _
    Array("@@@@@@", "  ab  ", "  ab  ", "ab"), _
    Array("@@@@", "ابجد", "ابجد", "ابجد"), _
    Array("00_00", "1234", "12?34", "1234"), _
    Array("", "7", "7", "7"))
For Each c In cases
    m.InputMask = c(0)
    m.Value = c(1)
    Check "Text of [" & c(1) & "] in [" & c(0) & "]", m.Text, c(2)
    Check "Value of [" & c(1) & "] in [" & c(0) & "]", m.Value, c(3)
Next
m.InputMask = "00_00"
Check "a placeholder in a mask is stored as ?", m.InputMask, "00?00"
m.InputMask = ""
Check "an empty mask is stored as 0", m.InputMask, "0"
m.InputMask = "00/00"
m.Value = "1231"
Check "Value is the default member", m & "", "1231"

m.SelStart = 3
Check "SelStart", m.SelStart, CLng(3)
On Error Resume Next
m.SelStart = -1
CheckError "SelStart below 0", 380
On Error GoTo 0
m.Locked = True
Check "Locked", m.Locked, True
m.InputMode = 2
Check "InputMode", m.InputMode, CLng(2)
m.RightToLeft = True
Check "RightToLeft", m.RightToLeft, True
Check "the text survives a new direction", m.Text, "12/31"
m.Alignment = 2
Check "Alignment", m.Alignment, CLng(2)
m.FontBold = True
Check "FontBold", m.FontBold, True
m.FontSize = 12
Check "FontSize", m.FontSize, CSng(12)

' Bad input: control characters fill any-character positions; a mask of 100,000 positions.
m.InputMask = "@@@"
m.Value = Chr(1) & Chr(9) & "a"
Check "control characters are kept", m.Value, Chr(1) & Chr(9) & "a"
m.InputMask = String(100000, "0")
m.Value = "12"
Check "a long mask is drawn in full", Len(m.Text), CLng(100000)
Check "a long mask reads back", m.Value, "12"
