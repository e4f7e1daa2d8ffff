' actFileDialog through late binding: its settings, the Path rules, the Controls collection and the errors
' with their numbers. (ShellProgram is checked, recorded instead of run, in the C++ tests.)
Dim dir, b, c, n, name, fso
dir = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "")
Set fso = CreateObject("Scripting.FileSystemObject")
fso.CreateFolder dir & "\Sub"
fso.CreateTextFile(dir & "\a.txt", True).Close

Set b = CreateObject("Korvix32.actFileDialog")
Check "SearchText", b.SearchText, "Search For:"
Check "FilterText", b.FilterText, "Filter On:"
Check "FileNameText", b.FileNameText, "File Name:"
Check "FilterIndex", b.FilterIndex, CInt(0)
Check "ShowLeftMenu", b.ShowLeftMenu, True
Check "ShowHidden", b.ShowHidden, False
Check "Appearance", b.Appearance, CLng(1)
Check "BackColor", b.BackColor, CLng(&H8000000F)
Check "ForeColor", b.ForeColor, CLng(&H80000012)
Check "ScaleMode", b.ScaleMode, CInt(1)
Check "Enabled", b.Enabled, True
Check "Hwnd is a window", b.Hwnd <> 0, True

b.Path = "C:\WINDOWS"
Check "Path gets its backslash", b.Path, "C:\WINDOWS\"
b.Path = "\\\\server\share"
Check "four backslashes read as two", b.Path, "\\server\share\"
b.Path = dir
Check "a folder", b.Path, dir & "\"
b.Filter = "  Text|*.txt  "
Check "Filter trimmed", b.Filter, "Text|*.txt"
b.FilterIndex = 0
b.ShowHidden = True
Check "ShowHidden set", b.ShowHidden, True
b.SearchText = "Look in:"
Check "SearchText set", b.SearchText, "Look in:"
b.Refresh
Check "DoNetEnum", b.DoNetEnum, True

Set c = b.Controls
Check "Controls.Count", c.Count, CLng(32)
Check "Controls by name", c("LSTVIEW").Name, "lstView"
Check "Controls by position", c(0).Name, "picToolBar"
Check "Index of an array element", c(3).Index, CInt(3)
Check "the list is visible", c("lstView").Visible, True
n = 0
For Each name In c
    n = n + 1
Next
Check "For Each", n, 32

On Error Resume Next
b.BackColor = &H7F000000
CheckError "BackColor not an OLE colour", 380
Set b.Font = Nothing
CheckError "Font Nothing", 380
b.FilterIndex = 70000
CheckError "FilterIndex overflow", 6
On Error GoTo 0
Check "BackColor kept", b.BackColor, CLng(&H8000000F)
