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

' ---- WinMoveForm with script classes: their members are known through IDispatchEx only ----
Class FormWithHwndProperty
    Public Reads
    Public Property Get Hwnd
        Reads = Reads + 1
        Hwnd = 0
    End Property
End Class

Class FormWithHwndField
    Public Hwnd
End Class

Class FormWithoutHwnd
    Public Caption
End Class

Set propertyForm = New FormWithHwndProperty
propertyForm.Reads = 0
Set fieldForm = New FormWithHwndField
fieldForm.Hwnd = 0
Set formless = New FormWithoutHwnd
On Error Resume Next
w.WinMoveForm propertyForm, 1
CheckError "WinMoveForm of a script class with an Hwnd property", 0
Check "WinMoveForm reads the class's Hwnd once", propertyForm.Reads, 1
w.WinMoveForm propertyForm, 2
CheckError "WinMoveForm of a script class with the right button", 0
Check "WinMoveForm with the right button reads no Hwnd", propertyForm.Reads, 1
w.WinMoveForm fieldForm, 1
CheckError "WinMoveForm of a script class with an Hwnd field", 0
w.WinMoveForm formless, 1
CheckError "WinMoveForm of a script class without Hwnd", 438
On Error GoTo 0
