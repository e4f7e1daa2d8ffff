' actFileDialog's filters and file name through late binding: the filter string's entries and the index,
' the file name and its extension, the bad values the setters refuse, the network method.
Dim fso, folder, d
Set fso = CreateObject("Scripting.FileSystemObject")
folder = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "")
fso.CreateTextFile(folder & "\report.final.txt", True).Close
fso.CreateTextFile(folder & "\notes.log", True).Close
fso.CreateFolder folder & "\sub.txt"

Set d = CreateObject("Korvix32.actFileDialog")
d.FilterIndex = 7
d.Filter = "Text files|*.txt|All files|*.*"
Check "FilterIndex 7 over two entries selects the last", d.FilterIndex, CInt(1)
d.Filter = "Logs|*.log"
Check "a shorter Filter selects its last entry", d.FilterIndex, CInt(0)
d.Filter = "  Text|*.txt|All|*.*  "
Check "Filter trimmed of blanks", d.Filter, "Text|*.txt|All|*.*"
d.FilterIndex = 1
Check "FilterIndex set", d.FilterIndex, CInt(1)
d.FilterIndex = -1
Check "FilterIndex -1 for a typed pattern", d.FilterIndex, CInt(-1)
On Error Resume Next
d.FilterIndex = -2
CheckError "FilterIndex below -1", 380
On Error GoTo 0
Check "FilterIndex kept after the refusal", d.FilterIndex, CInt(-1)
d.FilterIndex = 5
d.Filter = "Text|*.txt|Orphan"
Check "odd field count: the orphan entry is selected", d.FilterIndex, CInt(1)
d.Filter = "|"
Check "Filter of one bar", d.Filter, "|"
d.Filter = "||||"
Check "Filter of four bars", d.Filter, "||||"

d.Filter = "Text|*.txt|All|*.*"
d.FilterIndex = 0
d.FileName = folder & "\report.final.txt"
Check "a full path moves Path", d.Path, folder & "\"
Check "FileName keeps name and extension", d.FileName, "report.final.txt"
Check "Extension from the first dot", d.Extension, "final.txt"
d.FileName = "report"
Check "a bare name gets the filter's extension", d.FileName, "report.txt"
d.FilterIndex = 1
d.FileName = "report"
Check "with *.* the name reads report.*", d.FileName, "report.*"
Check "a bare name leaves Path", d.Path, folder & "\"
d.FileName = "C:\no such folder\missing.txt"
Check "a missing file leaves Path", d.Path, folder & "\"
Check "its name still fills the box", d.FileName, "missing.txt"
d.FileName = folder & "\sub.txt"
Check "a folder's name leaves Path", d.Path, folder & "\"
d.FileName = folder & "\*.log"
Check "wild cards leave Path", d.Path, folder & "\"
d.FileName = ""
Check "an empty name", d.FileName, ""
Check "an empty name has no extension", d.Extension, ""
d.FileName = String(300, "n") & ".txt"
Check "a 300-character name", Len(d.FileName), CLng(304)

Check "DoNetEnum", d.DoNetEnum(), True
d.Path = "\\"
Check "the network's path", d.Path, "\\"
