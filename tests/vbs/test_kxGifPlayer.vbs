' kxGifPlayer through late binding: the decoder's walk over a two-frame file written here, the records,
' the player's properties and the errors with their numbers and texts. (Wine's VBScript cannot take byte
' arrays: ImageBits and ImageLut are checked in the C++ tests.)
Function GifBytes()
    GifBytes = Array(71, 73, 70, 56, 57, 97, 2, 0, 2, 0, 129, 0, 0, 0, 0, 0, 200, 30, 60, 20, 160, 40, 10, 20, 230, _
        33, 249, 4, 0, 10, 0, 0, 0, 44, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2, 140, 83, 0, _
        33, 249, 4, 0, 10, 0, 0, 0, 44, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2, 148, 85, 0, 59)
End Function

' Writes bytes first to last (count of them) as a file in the test's folder; its path.
Function WriteGif(name, bytes, count)
    Dim fso, path, f, i
    Set fso = CreateObject("Scripting.FileSystemObject")
    path = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "") & "\" & name
    Set f = fso.CreateTextFile(path, True, False)
    For i = 0 To count - 1
        f.Write Chr(bytes(i))
    Next
    f.Close
    WriteGif = path
End Function

Dim g, good, bytes
Set g = CreateObject("Korvix32.kxGifPlayer")
Check "Image before Init is Nothing", g.Image Is Nothing, True
Check "FileName of a new player", g.FileName, ""
Check "ShowType of a new player", g.ShowType, CLng(0)
Check "Repeat of a new player", g.Repeat, True
Check "AutoSize of a new player", g.AutoSize, False
Check "Init with no name", g.Init(), False

bytes = GifBytes()
good = WriteGif("two.gif", bytes, UBound(bytes) + 1)
Check "Init", g.Init(good), True
Check "FileName after Init", g.FileName, good
Check "FrameIndex after Init", g.FrameIndex, CLng(-1)
Check "EOF after Init", g.EOF, False
Check "SigVersion", g.SigVersion, "GIF89a"
Check "ScreenWidth", g.ScreenWidth, CLng(2)
Check "HasGlobalLut", g.HasGlobalLut, True
Check "GlobalLutSize", g.GlobalLutSize, CLng(4)
Check "Image after Init", g.Image Is Nothing, False
Check "MoveNext 1", g.MoveNext, True
Check "FrameIndex 0", g.FrameIndex, CLng(0)
Check "DelayTime", g.DelayTime, CLng(10)
Check "ImageWidth", g.ImageWidth, CLng(2)
Check "DisposalMethod", g.DisposalMethod, CLng(0)
Check "MoveNext 2", g.MoveNext, True
Check "FrameIndex 1", g.FrameIndex, CLng(1)
Check "MoveNext at the trailer", g.MoveNext, False
Check "EOF at the trailer", g.EOF, True
Check "MoveFirst", g.MoveFirst, True
Check "FrameIndex after MoveFirst", g.FrameIndex, CLng(-1)
Check "MoveLast", g.MoveLast, True
Check "FrameIndex after MoveLast", g.FrameIndex, CLng(1)
g.MergeCurrentImage
g.ShowType = 2
Check "ShowType", g.ShowType, CLng(2)
g.GifPlay
g.GifStop

On Error Resume Next
g.ShowType = 3
CheckError "ShowType 3", 380
bytes(4) = 56
g.Init WriteGif("gif88.gif", bytes, UBound(bytes) + 1)
Check "error text of GIF88a", Err.Description, "Invalid GIF file"
CheckError "GIF88a", 9
bytes(4) = 57
g.Init WriteGif("cut.gif", bytes, 50)
CheckError "Init of a cut file", 0
g.MoveNext
g.MoveNext
Check "error text of a cut file", Err.Description, "Input past end of file"
CheckError "a cut file", -2147221500
On Error GoTo 0
Check "usable after errors", g.Init(good), True
Check "missing file", g.Init(good & ".missing"), False
Set g = Nothing
