' kxSystemInfo through late binding: defaults of left-out arguments, outputs written back into the
' script's variables, result types, errors. Members that change the machine are checked in process.
Set s = CreateObject("Korvix32.kxSystemInfo")
Set fso = CreateObject("Scripting.FileSystemObject")
' Wine's ExpandEnvironmentStrings leaves the terminating NUL in the text.
dir = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "")

Function IsDigits(text)
    IsDigits = Len(text) > 0
    For i = 1 To Len(text)
        If InStr("0123456789", Mid(text, i, 1)) = 0 Then IsDigits = False
    Next
End Function

' Folders.
sys = s.SystemFolder
Check "SystemFolder ends with a backslash", Right(sys, 1), "\"
Check "SystemFolder with an empty AddPath", s.SystemFolder(""), Left(sys, Len(sys) - 1)
Check "SystemFolder with an AddPath", s.SystemFolder("\drivers"), Left(sys, Len(sys) - 1) & "\drivers"
Check "SystemFolder is a folder", fso.FolderExists(sys), True
win = s.WindowsFolder
Check "WindowsFolder ends with a backslash", Right(win, 1), "\"
Check "WindowsFolder holds the system folder", LCase(Left(sys, Len(win))), LCase(win)
Check "GetSpecialFolder of the Windows folder", LCase(s.GetSpecialFolder(36)), LCase(win)
Check "GetSpecialFolder of no folder", s.GetSpecialFolder(127), ""
temp = s.TempFolder
Check "TempFolder is a folder", fso.FolderExists(temp) And Right(temp, 1) = "\", True

' Temporary names: each leaves an empty file behind.
name = s.TempFileName
Check "TempFileName in the temporary folder", LCase(fso.GetParentFolderName(name) & "\"), LCase(temp)
Check "TempFileName default prefix", LCase(Left(fso.GetFileName(name), 3)), "tmp"
Check "TempFileName leaves an empty file", fso.FileExists(name), True
fso.DeleteFile name
name = s.TempFileName("abcdef", dir)
Check "TempFileName in a given folder", LCase(fso.GetParentFolderName(name)), LCase(dir)
' three prefix characters, four hexadecimal digits, ".tmp" (a digit may itself be "d")
Check "TempFileName keeps three prefix characters", LCase(Left(fso.GetFileName(name), 3)) = "abc" And _
    Len(fso.GetFileName(name)) = 11, True
Check "TempFileName extension", LCase(fso.GetExtensionName(name)), "tmp"
Check "TempFileName of a missing folder", s.TempFileName("x", dir & "\missing"), ""
folder = s.GetWindowsTempDir
Check "GetWindowsTempDir ends with a backslash", Right(folder, 1), "\"
Check "GetWindowsTempDir does not make the folder", fso.FolderExists(folder), False
Check "GetWindowsTempDir leaves its file", fso.FileExists(Left(folder, Len(folder) - 1) & ".tmp"), True
fso.DeleteFile Left(folder, Len(folder) - 1) & ".tmp"

Set f = fso.CreateTextFile(dir & "\a rather long name.text", True)
f.Close
short = s.GetShortName(dir & "\a rather long name.text")
Check "GetShortName names the same file", fso.FileExists(short) And Len(fso.GetFileName(short)) <= 12, True
Check "GetShortName of a missing file", s.GetShortName(dir & "\missing file.text"), ""

' Versions and names.
Dim build, version, dosVersion
build = "old" : version = "old"
Check "GetOSVersion", s.GetOSVersion(build, version), "WINNT"
Check "GetOSVersion writes the build number", IsDigits(build), True
Check "GetOSVersion writes major.minor", IsDigits(Replace(version, ".", "")) And _
    Len(version) - Len(Replace(version, ".", "")) = 1, True
Check "GetOSVersion with its outputs left out", s.GetOSVersion, "WINNT"
Check "GetWindowsVersion agrees with GetOSVersion", s.GetWindowsVersion(dosVersion), version
Check "GetWindowsVersion writes the DOS version", IsDigits(Replace(Replace(dosVersion, ".", ""), "-", "")), True
Check "CurrentMachineName", Len(s.CurrentMachineName) > 0, True
Check "CurrentUserName", Len(s.CurrentUserName) > 0, True

' Character set, keys and keyboard layout (the tests run under the Persian locale).
font = "DejaVu Sans"
Check "GetUserCharset of a font that keeps its name", s.GetUserCharset(font), CInt(178)
Check "GetUserCharset leaves the name", font, "DejaVu Sans"
Check "GetUserCharset of a missing font", s.GetUserCharset("No Such Font Face"), CInt(0)
Check "GetShiftStatus with no key held", s.GetShiftStatus, CInt(0)
lang = s.GetLang
Check "GetLang is an Integer of -1, 0 or 1", TypeName(lang) = "Integer" And lang >= -1 And lang <= 1, True
If lang = 0 Then s.SetLang 0 Else s.SetLang 1
Check "SetLang of the active language changes nothing", s.GetLang, lang

' Desktop parameters: types of the getters, the overflow of the screen-saver minutes.
Check "WindowsGetBeepMode", TypeName(s.WindowsGetBeepMode), "Boolean"
Check "WindowsGetBorder", TypeName(s.WindowsGetBorder), "Long"
Check "WindowsGetKeyboardSpeed", TypeName(s.WindowsGetKeyboardSpeed), "Long"
Check "WindowsGetKeyboardDelay", TypeName(s.WindowsGetKeyboardDelay), "Long"
Check "WindowsGetIconHorizontalSpace", s.WindowsGetIconHorizontalSpace > 0, True
Check "WindowsGetIconVerticalSpace", s.WindowsGetIconVerticalSpace > 0, True
Check "WindowsGetScreenSaverTimerOut", TypeName(s.WindowsGetScreenSaverTimerOut), "Long"
Check "WindowsGetScreenSaverActive", TypeName(s.WindowsGetScreenSaverActive), "Long"
Check "WindowsGetMenuDropAlignment", TypeName(s.WindowsGetMenuDropAlignment), "Long"
On Error Resume Next
s.WindowsSetScreenSaverTimerOut 40000000
CheckError "WindowsSetScreenSaverTimerOut beyond a Long of seconds", 6
s.RunWindowsApplication 40
CheckError "RunWindowsApplication out of range does nothing", 0
s.RunWindowsApplication -1
CheckError "RunWindowsApplication of a negative number does nothing", 0
On Error GoTo 0

' Monitors (the Xvfb screen is one 1280 x 1024 monitor).
Check "GetMonitorCount", s.GetMonitorCount, CLng(1)
Check "GetMonitorWindowMonitorIndex on the screen", s.GetMonitorWindowMonitorIndex(100, 100, 300, 200), CLng(0)
Check "GetMonitorWindowMonitorIndex far off", s.GetMonitorWindowMonitorIndex(-50000, 90000, 10, 10), CLng(0)
On Error Resume Next
s.GetMonitorWindowMonitorIndex 2147483647, 0, 1, 1
CheckError "GetMonitorWindowMonitorIndex past the Long range", 6
On Error GoTo 0

' A member returning a record runs first: its own errors come before any about the record.
On Error Resume Next
x = s.GetMonitorInfo(1000)
CheckError "GetMonitorInfo of a monitor that does not exist", 9
On Error GoTo 0
