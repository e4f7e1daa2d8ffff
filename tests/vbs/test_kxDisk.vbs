' kxDisk through late binding: outputs written back into the script's variables, defaults, errors.
Set d = CreateObject("Korvix32.kxDisk")
Set fso = CreateObject("Scripting.FileSystemObject")
' Wine's ExpandEnvironmentStrings leaves the terminating NUL in the text.
dir = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "")

Sub MakeFile(path, text)
    Set f = fso.CreateTextFile(path, True)
    f.Write text
    f.Close
End Sub

Function ReadText(path)
    Set f = fso.OpenTextFile(path)
    ReadText = f.ReadAll
    f.Close
End Function

' A drive letter that names no drive (GetDrive of "c" is checked below on its own).
Function MissingDrive()
    For code = Asc("Y") To Asc("D") Step -1
        letter = Chr(code)
        If d.GetDrive(letter) = 0 Then
            MissingDrive = Chr(code)
            Exit Function
        End If
    Next
End Function

MakeFile dir & "\archive.tar.gz", "x"
Dim p, n, e
Check "ExtractFileName of an existing file", d.ExtractFileName(dir & "\archive.tar.gz", p, n, e), CLng(1)
Check "ExtractFileName folder", p, dir & "\"
Check "ExtractFileName name", n, "archive"
Check "ExtractFileName extension", e, "tar.gz"
p = "old" : n = "old" : e = "old"
Check "ExtractFileName of a missing bare name", d.ExtractFileName("report.txt", p, n, e), CLng(0)
Check "ExtractFileName clears the folder", p, ""
Check "ExtractFileName bare name", n & "|" & e, "report|txt"
Check "ExtractFileName with the outputs left out", d.ExtractFileName(dir), CLng(2)

Dim drv
drv = "c"
Check "GetDrive of c", d.GetDrive(drv), CLng(3)
Check "GetDrive rewrites the variable", drv, "C:\" & Chr(0)
drv = MissingDrive()
Check "GetDrive of a missing drive", d.GetDrive(drv), CLng(0)

Dim sizeBytes, sizeUnit, unitText, freeBytes, freeUnit, freeText
d.DiskSize "C", sizeBytes, sizeUnit, unitText, freeBytes, freeUnit, freeText
Check "DiskSize total bytes come back as Single", TypeName(sizeBytes), "Single"
Check "DiskSize total is positive", sizeBytes > 0, True
Check "DiskSize unit text", InStr("|Bytes|Kilobytes|Megabytes|Gigabytes|", "|" & unitText & "|") > 0, True
Check "DiskSize free unit text", InStr("|Bytes|Kilobytes|Megabytes|Gigabytes|", "|" & freeText & "|") > 0, True
Check "DiskSize free amount in unit", TypeName(freeUnit), "Single"
freeUnit = 7.257
d.DiskSize MissingDrive(), sizeBytes, sizeUnit, unitText, freeBytes, freeUnit, freeText
Check "DiskSize of a missing drive", sizeBytes & "|" & sizeUnit & "|" & unitText & "|" & freeText, "0|0|Bytes|Bytes"
Check "DiskSize keeps the caller's free amount", freeUnit, CSng(7.26)

Check "ShellProgramWait waits by default", d.ShellProgramWait("cmd /c exit 3"), CLng(3)
Check "ShellProgramWait of nothing startable", d.ShellProgramWait("Z:\no\such\program.exe"), CLng(-1)

Check "FileExists of a file", d.FileExists(dir & "\archive.tar.gz"), True
Check "FileExists of a pattern", d.FileExists(dir & "\*.gz"), True
Check "FileExists of nothing", d.FileExists(""), False

MakeFile dir & "\new.txt", "new"
MakeFile dir & "\old.txt", "old"
Check "FileCopy with Overwrite True keeps the target", d.FileCopy(dir & "\new.txt", dir & "\old.txt", True), False
Check "the old file stays", ReadText(dir & "\old.txt"), "old"
Check "FileCopy by default replaces the target", d.FileCopy(dir & "\new.txt", dir & "\old.txt"), True
Check "the file was replaced", ReadText(dir & "\old.txt"), "new"
Check "FileMove", d.FileMove(dir & "\new.txt", dir & "\moved.txt"), True
Check "FileMove leaves no source", fso.FileExists(dir & "\new.txt"), False

' FO_DELETE with FOF_NOCONFIRMATION + FOF_SILENT
Check "FileOperation deletes both sources", d.FileOperation(dir & "\old.txt|" & dir & "\moved.txt", "", 3, 20), True
Check "both are gone", fso.FileExists(dir & "\old.txt") Or fso.FileExists(dir & "\moved.txt"), False
Check "FileOperation without a source", d.FileOperation("", "", 3, 20), False

On Error Resume Next
d.FormatDrive ""
CheckError "FormatDrive of no drive", 5
d.ChangeCurDir MissingDrive() & ":\folder"
CheckError "ChangeCurDir to a missing drive", 68
d.ChangeCurDir dir & "\no such folder"
CheckError "ChangeCurDir to a missing folder", 76
d.ChangeCurDir dir
CheckError "ChangeCurDir to the test folder", 0
On Error GoTo 0
