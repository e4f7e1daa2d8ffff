' kxButton through late binding, outside any container: lets and gets, by-reference lets, defaults.
Set b = CreateObject("Korvix32.kxButton")
b.Caption = "&Save"
Check "Caption", b.Caption, "&Save"
b.Style = 12
Check "Style", b.Style, CLng(12)
b.Enabled = False
Check "Enabled let by reference", b.Enabled, False
b.Enabled = True
Check "Enabled back", b.Enabled, True
b.FontColor = &HFF&
Check "FontColor", b.FontColor, CLng(255)
b.BackColor = &H8000000F
Check "BackColor keeps the system colour", b.BackColor, &H8000000F
b.ToolTipTitle = "Help"
Check "ToolTipTitle", b.ToolTipTitle, "Help"
b.ButtonType = 1
b.Value = True
Check "Value", b.Value, True
b.IconSize = 24
Check "IconSize", b.IconSize, 24
b.FontBold = True
Check "FontBold", b.FontBold, True
b.FontSize = 12
Check "FontSize", b.FontSize, CSng(12)
b.FontName = "DejaVu Sans"
Check "FontName", b.FontName, "DejaVu Sans"
b.RightToLeft = True
Check "RightToLeft", b.RightToLeft, True
b.MousePointer = 11
Check "MousePointer", b.MousePointer, CLng(11)
Check "Hwnd is a window", b.Hwnd <> 0, True
Check "hdc is a device context", b.hdc <> 0, True
Set f = b.Font
Check "Font object", f.Name, "DejaVu Sans"
b.Refresh
Check "the default interface", TypeName(b), "_kxButton"
b.Style = 13
Check "Style out of range is stored unchecked", b.Style, CLng(13)
