' kxWindow through late binding: written-back arguments and errors.
Set w = CreateObject("Korvix32.kxWindow")
Dim x, y
w.GetMousePos x, y
Check "GetMousePos writes numbers back", TypeName(x), "Long"
Check "FindWindowCaption of no window", w.FindWindowCaption("no window has this caption"), CLng(0)
Check "CloseWindow of no window", w.CloseWindow("no window has this caption"), True
Dim x1, y1, x2, y2
w.GetWindowPosition 0, x1, y1, x2, y2
Check "GetWindowPosition of no window", x1 & "," & y1 & "," & x2 & "," & y2, "0,0,0,0"
Dim dc
Check "DesktophWnd without DC", w.DesktophWnd() <> 0, True
On Error Resume Next
Dim nothingHere
w.WinMoveForm nothingHere, 2
CheckError "WinMoveForm with the right button does nothing", 0
w.WinMoveForm w, 1
CheckError "WinMoveForm of an object without Hwnd", 438
On Error GoTo 0

' DesktophWnd hands its device context out through the optional by-reference DC.
Dim desktopDc
desktopDc = 0
Check "DesktophWnd with DC gives the desktop", w.DesktophWnd(desktopDc), w.DesktophWnd()
Check "DesktophWnd fills DC", desktopDc <> 0, True
