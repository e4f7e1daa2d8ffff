' kxAlert and kxAlertWindow through late binding: defaults, clamps, the choice protocol, Show without buttons.
Set a = CreateObject("Korvix32.kxAlert")
Check "BackColor of a new alert", a.BackColor, &H80000018
Check "ForeColor of a new alert", a.ForeColor, &H80000017
Check "MaxTransparent of a new alert", a.MaxTransparent, 255
Check "TimeToShow of a new alert", a.TimeToShow, CSng(1)
Check "TimeToClose of a new alert", a.TimeToClose, CSng(3)
Check "RightToLeft of a new alert", a.RightToLeft, True
Check "FontSize of a new alert (Wine rounds to whole pixels)", Abs(a.FontSize - 8) < 0.5, True
Check "FontBold of a new alert", a.FontBold, False
firstFace = a.FontName
Check "ButtonStyle of a new alert", a.ButtonStyle, CLng(7)
Check "WindowWidth of a new alert", a.WindowWidth, CLng(300)
Check "Hwnd before any Show", a.Hwnd, CLng(0)
Check "LastButtonSelect is an Integer", TypeName(a.LastButtonSelect), "Integer"

' MaxTransparent is clamped by its setter.
Dim clamps, i
clamps = Array(300, 255, -5, 0, 128, 128)
For i = 0 To UBound(clamps) Step 2
    a.MaxTransparent = clamps(i)
    Check "MaxTransparent " & clamps(i), a.MaxTransparent, clamps(i + 1)
Next

' The choice protocol: a read clears the stored number.
a.ButtonSelect = 2
Check "LastButtonSelect after ButtonSelect 2", a.LastButtonSelect, 2
Check "LastButtonSelect read again", a.LastButtonSelect, 0

' Show without buttons starts the window and returns 0 at once; the text given is kept.
a.ShowStyle = 99
Check "Show without buttons", a.Show("سلام دنيا"), 0
Check "Show's text is kept", a.Text, "سلام دنيا"
Check "BackColor reads back as set", a.BackColor, &H80000018
Check "Hwnd after Show", a.Hwnd <> 0, True
Check "hdc after Show", a.hdc <> 0, True
Check "Show without text keeps it", a.Show(), 0
Check "Text again", a.Text, "سلام دنيا"

' A show too long is trapped by the class: Show returns the stored choice.
a.TimeToShow = 1000
Check "TimeToShow 1000 s", a.Show("long"), 0
a.TimeToShow = 1

' The class makes a fresh font when it has none.
Set a.Font = Nothing
Check "FontName with no font: a fresh default font", a.FontName, firstFace

' The control outside any container: Show is its default member; a bad show time fails the call.
Set w = CreateObject("Korvix32.kxAlertWindow")
Check "the control's default interface", TypeName(w), "_kxAlertWindow"
w.ShowStyle = 99
w.Text = "control"
w.Show
Check "the control's Hwnd after Show", w.Hwnd <> 0, True
On Error Resume Next
w.TimeToShow = 900
w.Show
CheckError "TimeToShow 900 s on the control", 6
w.MaxTransparent = 1000
CheckError "MaxTransparent 1000", 0
On Error GoTo 0
Check "the control clamps too", w.MaxTransparent, 255
