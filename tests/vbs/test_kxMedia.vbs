' kxMedia through late binding: the defaults, the refused Duration, mPlay of a missing file and of a one-second
' WAV written here (sound goes to ALSA's null device), mStop dropping the graph.

' A one-second PCM WAV of silence (8000 Hz, 8-bit mono) in the test's folder; its path.
Function WriteWave(name)
    Dim fso, path, f, header, i
    Set fso = CreateObject("Scripting.FileSystemObject")
    path = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "") & "\" & name
    header = Array(82, 73, 70, 70, 100, 31, 0, 0, 87, 65, 86, 69, 102, 109, 116, 32, 16, 0, 0, 0, 1, 0, 1, 0, _
        64, 31, 0, 0, 64, 31, 0, 0, 1, 0, 8, 0, 100, 97, 116, 97, 64, 31, 0, 0)
    Set f = fso.CreateTextFile(path, True, False)
    For i = 0 To UBound(header)
        f.Write Chr(header(i))
    Next
    f.Write String(8000, Chr(128))
    f.Close
    WriteWave = path
End Function

Dim m, wave
Set m = CreateObject("Korvix32.kxMedia")
Check "FileName of a new player", m.FileName, ""
Check "DataType of a new player", m.DataType, CLng(0)
Check "Enabled of a new player", m.Enabled, True
Check "Repeat of a new player", m.Repeat, False
Check "Duration of a new player", m.Duration, CLng(0)
Check "RepeatEvery of a new player", m.RepeatEvery, CLng(2)
Check "Playing of a new player", m.Playing, False
Check "Player of a new player", m.Player Is Nothing, True
Check "WindowControl of a new player", m.WindowControl Is Nothing, True
Check "Hwnd names a window", m.Hwnd <> 0, True

On Error Resume Next
m.Duration = 4260
CheckError "Duration cannot be set at run time", 382
On Error GoTo 0
Check "Duration unchanged", m.Duration, CLng(0)

m.FileName = "Z:\no\such\file.wav"
Check "mPlay of a missing file", m.mPlay, False
Check "Playing after a missing file", m.Playing, False
Check "no graph after a missing file", m.Player Is Nothing, True

wave = WriteWave("one.wav")
m.FileName = wave
Check "FileName", m.FileName, wave
Check "mPlay of a one-second WAV", m.mPlay, True
Check "Playing", m.Playing, True
Check "Duration of one second", m.Duration, CLng(4260)
Check "Player holds the graph", m.Player Is Nothing, False
Check "PlayerPos holds the position", m.PlayerPos Is Nothing, False
Check "mStop", m.mStop, True
Check "Player after mStop", m.Player Is Nothing, True
Check "PlayerPos after mStop", m.PlayerPos Is Nothing, True
Check "Playing after mStop", m.Playing, False
Check "mStop with Forced False", m.mStop(False), True
Set m = Nothing
