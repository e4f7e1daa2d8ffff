' kxLabel through late binding, outside any container: the default member, lets and gets, the redraw's rules.
Set l = CreateObject("Korvix32.kxLabel")
l.Caption = "Abjad ابجد"
Check "Caption", l.Caption, "Abjad ابجد"
Check "Caption is the default member", l & "", "Abjad ابجد"
Check "BorderStyle of a new label", l.BorderStyle, CLng(1)
Check "CharDegree of a new label", l.CharDegree, -1
Check "MaskColor of a new label", l.MaskColor, &H646464
Check "BackColor keeps the system colour", l.BackColor, &H8000000F
l.Degree = 200
Check "Degree above 180 is lowered by the redraw", l.Degree, 180
l.Degree = -30
Check "a negative Degree stays", l.Degree, -30
l.Alpha = 300
Check "Alpha without a picture stays", l.Alpha, CLng(300)
l.TextStyle = 2
Check "TextStyle", l.TextStyle, CLng(2)
l.BackStyle = 1
Check "BackStyle", l.BackStyle, CLng(1)
l.CanGetFocus = True
Check "CanGetFocus", l.CanGetFocus, True
l.FontBold = True
Check "FontBold", l.FontBold, True
l.FontSize = 12
Check "FontSize", l.FontSize, CSng(12)
l.MousePointer = 11
Check "MousePointer", l.MousePointer, CLng(11)
l.RightToLeft = True
Check "RightToLeft", l.RightToLeft, True
Check "Hwnd is a window", l.Hwnd <> 0, True
Check "hdc is a device context", l.hdc <> 0, True
l.Refresh
Check "the default interface", TypeName(l), "_kxLabel"
