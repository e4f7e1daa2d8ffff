' kxFrame through late binding, outside any container: defaults, lets and gets, the clamp on AlphaBlend.
Set f = CreateObject("Korvix32.kxFrame")
Check "the default interface", TypeName(f), "_kxFrame"
Check "BorderStyle of a new frame", f.BorderStyle, CLng(3)
Check "BackStyle of a new frame", f.BackStyle, CLng(1)
Check "PictureAlignment of a new frame", f.PictureAlignment, CLng(4)
Check "FirstColor of a new frame", f.FirstColor, &H80000014
Check "MaskColor of a new frame", f.MaskColor, &H8000000F
f.Caption = "گروه ابجد"
Check "Caption", f.Caption, "گروه ابجد"
f.BorderStyle = 2
Check "BorderStyle", f.BorderStyle, CLng(2)
f.LableDown = True
Check "LableDown", f.LableDown, True
f.AlphaBlend = 300
Check "AlphaBlend without a picture stays", f.AlphaBlend, CLng(300)
f.FontBold = True
Check "FontBold", f.FontBold, True
f.FontSize = 12
Check "FontSize", f.FontSize, CSng(12)
f.RightToLeft = True
Check "RightToLeft", f.RightToLeft, True
f.Enabled = False
Check "Enabled", f.Enabled, False
Check "Hwnd is a window", f.Hwnd <> 0, True
Check "hdc is a device context", f.hdc <> 0, True
f.Refresh
On Error Resume Next
Set f.Font = Nothing
CheckError "Font Nothing", 380
On Error GoTo 0
