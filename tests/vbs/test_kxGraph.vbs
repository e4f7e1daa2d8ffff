' kxGraph through late binding: colour members, defaults, outputs written back, errors.
Set g = CreateObject("Korvix32.kxGraph")
dir = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "")

Check "ColorBase of black with the default base", g.ColorBase(0), CLng(&HB0B0B0)
Check "ColorBase of white", g.ColorBase(&HFFFFFF), CLng(&HFFFFFF)
Check "ColorBase with base 0", g.ColorBase(0, 0), CLng(0)

Dim r, gr, b
r = 0 : gr = 0 : b = 0
g.GetRgb &H123456, r, gr, b
Check "GetRgb red", r, CInt(&H56)
Check "GetRgb green", gr, CInt(&H34)
Check "GetRgb blue", b, CInt(&H12)
g.GetRgb &H8000000F, r, gr, b
Check "GetRgb does not translate", r & "," & gr & "," & b, "15,0,0"
g.GetRgb &H123456
Check "GetRgb with the outputs left out", Err.Number, CLng(0)

face = g.TranslateColor(&H8000000F)
Check "TranslateColor of a system colour is plain", face >= 0 And face <= &HFFFFFF, True
Check "TranslateColor of no such colour", g.TranslateColor(&H800000FF), CLng(-1)

Dim offset
offset = -20
darker = g.ColorOffset(&H8000000F, offset)
Check "ColorOffset darkens the button face", darker, _
    CLng(((face And &HFF) - 20) + (((face \ 256) And &HFF) - 20) * 256 + (((face \ 65536) And &HFF) - 20) * 65536)
Check "ColorOffset keeps the caller's offset", offset, CLng(-20)

On Error Resume Next
Dim nothingPicture, fileName, quality
Set nothingPicture = Nothing
fileName = dir & "\none.jpg" : quality = 90
g.SavePhotoFile fileName, quality, nothingPicture
CheckError "SavePhotoFile of Nothing", 91
Set p = g.ResizePicture(nothingPicture, 10, 10)
CheckError "ResizePicture of Nothing", 91
dc = 0
g.ComparePicture dc, nothingPicture, dc, nothingPicture
CheckError "ComparePicture of Nothing", 91
On Error GoTo 0

Dim hdc, x1, y1, x2, y2, first, second
hdc = 0 : x1 = 0 : y1 = 0 : x2 = 10 : y2 = 10 : first = 0 : second = &HFFFFFF
g.DrawGradeint hdc, x1, y1, x2, y2, first, second
Check "DrawGradeint on no device context with the defaults", Err.Number, CLng(0)
Check "DrawGrayScale of no picture", g.DrawGrayScale(0, 0, 0, 0), False

' OLE_COLOR parameters take any 32-bit value bit for bit: &HFFFF is the Integer -1.
Check "ColorBase of -1", g.ColorBase(-1, 176), CLng(&HB0B0FF)
Check "ColorBase of &HFFFF", g.ColorBase(&HFFFF, 176), CLng(&HB0B0FF)
Dim colorOffsetBy
colorOffsetBy = -20
Check "ColorOffset of -1 shifts white", g.ColorOffset(-1, colorOffsetBy), CLng(&HEBEBEB)
Check "TranslateColor of -1", g.TranslateColor(-1), CLng(-1)
Check "TranslateColor of &HFFFF", g.TranslateColor(&HFFFF), CLng(-1)
Check "TranslateColor of a Double above the Long range", g.TranslateColor(CDbl(4294967295)), CLng(-1)
Check "TranslateColor of a Byte", g.TranslateColor(CByte(200)), CLng(200)
On Error Resume Next
x = g.TranslateColor(CDbl(5000000000))
CheckError "TranslateColor past 32 bits", 6
x = g.TranslateColor("not a colour")
CheckError "TranslateColor of text", 13
On Error GoTo 0

' ---- SavePhotoFile: every type at every bit count makes a file the platform's decoder reads back ----
' The helper program reads a picture through GDI+ and ends with width * 1000 + height, 0 when it cannot.
Set shell = CreateObject("WScript.Shell")
helper = "Z:" & Replace(Replace(shell.ExpandEnvironmentStrings("%KX_HELPER%"), Chr(0), ""), "/", "\")
Set files = CreateObject("Scripting.FileSystemObject")
Set screenWindow = CreateObject("Korvix32.kxWindow")
Dim screenDc
screenDc = 0
screenHwnd = screenWindow.DesktophWnd(screenDc)
Set shot = g.CaptureWindow(screenHwnd, screenDc, 0, 0, 40, 30)

Dim photoName, photoQuality, photoType, photoBits
photoQuality = 90
For Each photoType In Array(0, 1, 2, 3)
    For Each photoBits In Array(16, 24, 32)
        photoName = dir & "\photo" & photoType & "-" & photoBits
        g.SavePhotoFile photoName, photoQuality, shot, photoType, photoBits
        Check "SavePhotoFile type " & photoType & " at " & photoBits & " bits reads back at its size", _
            CLng(shell.Run("""" & helper & """ image """ & photoName & """", 0, True)), CLng(40030)
    Next
Next

On Error Resume Next
photoName = dir & "\eight.gif"
photoType = 1
photoBits = 8
g.SavePhotoFile photoName, photoQuality, shot, photoType, photoBits
CheckError "SavePhotoFile at 8 bits cannot make a readable file", 5
Check "SavePhotoFile at 8 bits leaves no file", files.FileExists(photoName), False
photoName = dir & "\no\such\folder.gif"
photoBits = 32
g.SavePhotoFile photoName, photoQuality, shot, photoType, photoBits
CheckError "SavePhotoFile into a missing folder", 76
On Error GoTo 0
