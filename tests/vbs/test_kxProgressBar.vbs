' kxProgressBar through late binding, as Zarvanta's arrangement window drives it: Max and Value as doubles.
Set p = CreateObject("Korvix32.kxProgressBar")
Check "the default interface", TypeName(p), "_kxProgressBar"
Check "a new Max", p.Max, CDbl(100)
Check "a new Value", p.Value, CDbl(0)
p.Max = 40320
p.Value = 10080
Check "Max", p.Max, CDbl(40320)
Check "Value", p.Value, CDbl(10080)
Check "Value is the default member", p + 0, CDbl(10080)
p.Value = 50000
Check "a Value above Max ends at Max", p.Value, CDbl(40320)
p.Value = -1
Check "a Value below Min ends at Min", p.Value, CDbl(0)
p.Min = 10
p.Max = 5
p.Value = 7
Check "Max wins over Min", p.Value, CDbl(5)
p.Max = 100
Check "Max does not re-clamp", p.Value, CDbl(5)
p.Scrolling = 2
Check "Search gives an empty text its word", p.Text, "Searching.."
p.Text = "Copy"
p.Scrolling = 42
Check "Scrolling outside the looks is stored", p.Scrolling, CLng(42)
Check "Text kept", p.Text, "Copy"
p.Orientation = 1
Check "Orientation", p.Orientation, CLng(1)
p.ShowText = True
Check "ShowText", p.ShowText, True
p.ForeColor = &H8000000F
Check "ForeColor keeps the system colour", p.ForeColor, &H8000000F
p.Color = &HFF&
Check "Color", p.Color, CLng(255)
p.kxBrushStyle = 5
Check "hdc is a device context", p.hdc <> 0, True
Check "Hwnd is a window", p.Hwnd <> 0, True
p.hdc = 0
p.DrawProgressBar
e = &HFF&
s = &H80000005
p.DrawGradient e, s, 0, 0, 3, 3, p.hdc, True
Check "DrawGradient keeps a plain colour", e, CLng(255)
Check "DrawGradient translates a system colour", s <> &H80000005, True
p.DrawGradient e, s, 0, 0, 3, 3, p.hdc
p.DrawLine 0, 0, 10, 0, p.hdc, 0
p.pDraw p.hdc
Check "Font object", p.Font.Size > 0, True
On Error Resume Next
Set p.Font = Nothing
CheckError "a font of Nothing is refused", 380
Check "the font stays", p.Font.Size > 0, True
p.ShowProgressInStatusBar Nothing, 1
CheckError "no status bar", 91
p.ShowProgressInStatusBar p, 1
CheckError "an object without Panels", 438
On Error GoTo 0
