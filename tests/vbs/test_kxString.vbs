' kxString through late binding: searches, cuts, conversions, replacements and code pages. The
' checks hold under any single-byte system code page; a few look at code page 1256 itself.
Set s = CreateObject("Korvix32.kxString")
Set probe = CreateObject("Korvix32.kxString")

Function WithText(text)
    Set o = CreateObject("Korvix32.kxString")
    o.Text = text
    Set WithText = o
End Function

' The system code of every character, in hexadecimal: the bytes of a byte string.
Function HexBytes(text)
    probe.Text = text
    out = ""
    For i = 1 To Len(text)
        out = out & Right("0" & Hex(probe.ArrayAsc(i)), 2)
    Next
    HexBytes = out
End Function

' Text from UTF-8 bytes, so the same letters arise under every system code page.
Function FromUtf8(hexText)
    bytes = ""
    For i = 1 To Len(hexText) Step 2
        bytes = bytes & Chr(CInt("&H" & Mid(hexText, i, 2)))
    Next
    probe.Text = bytes
    FromUtf8 = probe.TextDecodeCodePage(65001)
End Function

Check "a new object has an empty Text", s.Text, ""
Check "a new object compares text", s.CompareMethod, CLng(1)

' Searches: text comparison by default, overlapping occurrences, positions from the end.
s.Text = "abc"
Check "FirstIndex ignores case by default", s.FirstIndex("B"), CInt(2)
s.CompareMethod = 0
Check "FirstIndex binary", s.FirstIndex("B"), CInt(0)
s.CompareMethod = 1
searches = Array( _
    Array("abcabc", "bc", 0, 0, 2), Array("abcabc", "bc", 0, 1, 5), Array("abcabc", "bc", -1, 0, 1), _
    Array("abcabc", "ab", -1, 0, 2), Array("abcabc", "x", 0, 0, 0), Array("aaa", "aa", 0, 1, 2), _
    Array("aaa", "aa", 0, 2, 0), Array("abcabc", "BC", -1, 1, 4), Array("", "a", 0, 0, 0))
For Each c In searches
    s.Text = c(0)
    Check "InstrAdvanced " & c(0) & " " & c(1) & " " & c(2) & " " & c(3), s.InstrAdvanced(c(1), c(2), c(3)), CInt(c(4))
Next
s.Text = "abcabc"
Check "FirstIndex with a skip", s.FirstIndex("bc", 1), CInt(5)
Check "LastIndex", s.LastIndex("ab"), CInt(2)

' Cutting at a found text.
s.Text = "key=value"
Check "FirstToFindText", s.FirstToFindText("="), "key"
Check "LastToFindText", s.LastToFindText("="), "value"
Check "FirstToFindText leaves Text", s.Text, "key=value"
Check "FirstToFindText removing", s.FirstToFindText("=", 0, True), "key"
Check "FirstToFindText keeps the found text", s.Text, "=value"
s.Text = "key=value"
Check "LastToFindText removing", s.LastToFindText("=", , True), "value"
Check "LastToFindText keeps up to the found text", s.Text, "key="
s.Text = "a;b;c"
Check "FirstToFindText second separator", s.FirstToFindText(";", 1), "a;b"
Check "LastToFindText second separator", s.LastToFindText(";", 1), "b;c"
s.Text = "abc"
Check "FirstToFindText not found", s.FirstToFindText("#"), "abc"
Check "FirstToFindText not found, actual find", s.FirstToFindText("#", 0, True, True), ""
Check "actual find leaves Text", s.Text, "abc"
Check "FirstToFindText not found, removing", s.FirstToFindText("#", 0, True), "abc"
Check "removing when not found empties Text", s.Text, ""

' Characters, case, trims and pieces.
s.Text = "A"
Check "ArrayAsc 0", s.ArrayAsc(0), CByte(0)
Check "ArrayAsc 1", s.ArrayAsc(1), CByte(65)
Check "ArrayAsc beyond the text", s.ArrayAsc(2), CByte(0)
s.Text = "  Mixed Case  "
pieces = Array( _
    Array("Lower", s.Lower, "  mixed case  "), Array("Upper", s.Upper, "  MIXED CASE  "), _
    Array("TrimLeft", s.TrimLeft, "Mixed Case  "), Array("TrimRight", s.TrimRight, "  Mixed Case"), _
    Array("TrimAll", s.TrimAll, "Mixed Case"), Array("StrLeft 4", s.StrLeft(4), "  Mi"), _
    Array("StrLeft 0", s.StrLeft(0), ""), Array("StrLeft beyond", s.StrLeft(99), "  Mixed Case  "), _
    Array("StrRight 3", s.StrRight(3), "e  "), Array("StrRight 0", s.StrRight(0), ""), _
    Array("TextFromTo 3 5", s.TextFromTo(3, 5), "Mixed"), Array("TextFromTo to the end", s.TextFromTo(9), "Case  "), _
    Array("TextFromTo beyond", s.TextFromTo(40, 2), ""), Array("Reverse", s.Reverse, "  esaC dexiM  "))
For Each c In pieces
    Check c(0), c(1), c(2)
Next
Check "Length", s.Length, CInt(14)
s.Text = Chr(9) & " x " & Chr(9)
Check "trims take blanks only", s.TrimAll, Chr(9) & " x " & Chr(9)

On Error Resume Next
x = s.StrLeft(-1)
CheckError "StrLeft negative", 5
x = s.StrRight(-1)
CheckError "StrRight negative", 5
x = s.TextFromTo(0)
CheckError "TextFromTo from 0", 5
x = s.TextFromTo(1, -1)
CheckError "TextFromTo negative length", 5
s.Text = String(32768, "x")
x = s.Length
CheckError "Length above 32767", 6
s.Text = String(32767, "x") & "y"
x = s.FirstIndex("y")
CheckError "position above 32767", 6
On Error GoTo 0

' Repetition.
s.Text = "x"
Check "AddString at the end", s.AddString("-", 3), "x---"
Check "AddString at the start", s.AddString("-", 3, 0), "---x"
Check "AddString other direction", s.AddString("-", 3, 5), ""
Check "AddString once by default", s.AddString("ab"), "xab"
Check "AddString no times", s.AddString("-", 0), "x"
Check "AddString leaves Text", s.Text, "x"

' Numbers, dates and hexadecimal text (Wine's VBScript holds no Currency: ToCurrency is tested in C++).
numbers = Array(Array(" 12.5abc", 12.5), Array("-3.25", -3.25), Array("1e3", 1000), Array("", 0), _
    Array("abc", 0), Array("1 2 3", 123), Array("&HFF", 255), Array(".5", 0.5), Array("12,5", 12))
For Each c In numbers
    s.Text = c(0)
    Check "ToNumeric [" & c(0) & "]", s.ToNumeric, CDbl(c(1))
Next
hexes = Array(Array("FF", 255), Array("FFFF", -1), Array("10000", 65536), Array("FFFFFFFF", -1), _
    Array("xyz", 0), Array("&hff", 255), Array("7FFFFFFF", 2147483647), Array("1G", 1), Array("", 0))
For Each c In hexes
    s.Text = c(0)
    Check "FromHex [" & c(0) & "]", s.FromHex, CLng(c(1))
Next
On Error Resume Next
s.Text = "123456789"
x = s.FromHex
CheckError "FromHex of nine digits", 6
s.Text = "40000"
x = s.ToInteger
CheckError "ToInteger out of range", 6
On Error GoTo 0
Check "ToLong", s.ToLong, CLng(40000)
Check "ToDouble", s.ToDouble, CDbl(40000)
Check "ToSingle", s.ToSingle, CSng(40000)
Check "ToDecimal type", TypeName(s.ToDecimal), "Decimal"
Check "ToVariant is text", s.ToVariant, "40000"
s.Text = "abc"
Check "ToInteger of text", s.ToInteger, CInt(0)
Check "ToLong of text", s.ToLong, CLng(0)
Check "ToDecimal of text", IsEmpty(s.ToDecimal), True
Check "ToDate of text", s.ToDate, CDate(0)

' Replacements end, however the texts are chosen.
replacements = Array( _
    Array(1, "Hello hello", "HELLO", "x", "x x"), Array(0, "Hello hello", "HELLO", "x", "Hello hello"), _
    Array(1, "a    b", "  ", " ", "a b"), Array(1, "aaaa", "aa", "a", "a"), Array(1, "abc", "x", "y", "abc"), _
    Array(1, "banana", "a", "aa", "baanaanaa"), Array(1, "banana", "", "x", "banana"), _
    Array(1, "aXa", "x", "xx", "axxa"))
For Each c In replacements
    s.CompareMethod = c(0)
    s.Text = c(1)
    Check "ReplaceText " & c(1) & " " & c(2) & "->" & c(3) & " method " & c(0), s.ReplaceText(c(2), c(3)), c(4)
Next
s.CompareMethod = 1
s.Text = "abc"
Check "ReplaceCharInText in sequence", s.ReplaceCharInText("ab", "ba"), "aac"
Check "ReplaceCharInText removes", s.ReplaceCharInText("bc", "B"), "aB"
s.Text = "ABC"
Check "ReplaceCharInText ignores case", s.ReplaceCharInText("b", "x"), "AxC"

' Sorting and comparing.
s.Text = "cbaCBA"
Check "SortByte text keeps equal letters in order", s.SortByte, "aAbBcC"
s.CompareMethod = 0
Check "SortByte binary", s.SortByte, "ABCabc"
s.Text = "abc"
Check "SortByte descending", s.SortByte(False), "cba"
s.Text = "abc"
Check "Compare binary less", s.Compare("abd"), CLng(-1)
Check "Compare binary case", s.Compare("ABC"), CLng(1)
s.CompareMethod = 1
Check "Compare text equal", s.Compare("ABC"), CLng(0)
Check "Compare text greater", s.Compare("ab"), CLng(1)

' The platform's string conversions.
s.Text = "hello wORLD"
Check "Convert upper", s.Convert(1), "HELLO WORLD"
Check "Convert upper in locale 1033", s.Convert(1, 1033), "HELLO WORLD"
Check "Convert lower", s.Convert(2), "hello world"
Check "Convert proper", s.Convert(3), "Hello World"
s.Text = "abcdef"
packed = s.Convert(128)
Check "Convert to ANSI packs two bytes a character", Len(packed), CLng(3)
s.Text = packed
Check "Convert back to Unicode", s.Convert(64), "abcdef"
On Error Resume Next
x = s.Convert(64 + 128)
CheckError "Convert both ways at once", 5
On Error GoTo 0

' Fitting to a width (the argument, not Text).
Check "FitToWidth pads", s.FitToWidth("abc", 5, "."), "abc.."
Check "FitToWidth cuts", s.FitToWidth("abcdef", 3), "abc"
Check "FitToWidth pads with blanks by default", s.FitToWidth("ab", 4), "ab  "
Check "FitToWidth first fill character", s.FitToWidth("ab", 4, "xy"), "abxx"
Check "FitToWidth zero", s.FitToWidth("ab", 0), ""
On Error Resume Next
x = s.FitToWidth("abc", -1)
CheckError "FitToWidth negative", 5
x = s.FitToWidth("abc", 5, "")
CheckError "FitToWidth padding with nothing", 5
x = s.FitToWidth("abcdef", 3, "")
CheckError "FitToWidth cutting needs no fill", 0
On Error GoTo 0

' Code pages: Persian letters (sin, be, ze) built from their UTF-8 bytes.
persian = FromUtf8("D8B3D8A8D8B2")
Check "three letters from UTF-8", Len(persian), CLng(3)
s.Text = persian
ansiIsArabic = s.CheckStringCodePage(0)
encoded = s.TextEncodeCodePage(65001)
Check "UTF-8 encoding: one character a byte", Len(encoded), CLng(6)
Check "UTF-8 bytes", HexBytes(encoded), "D8B3D8A8D8B2"
s.Text = encoded
Check "UTF-8 round trip", s.TextDecodeCodePage(65001), persian
s.Text = persian
Check "code page 1256 bytes", HexBytes(s.TextEncodeCodePage(1256)), "D3C8D2"
Check "Persian in code page 1256", s.CheckStringCodePage(1256), True
Check "Persian in code page 1252", s.CheckStringCodePage(1252), False
Check "Persian in UTF-8", s.CheckStringCodePage(65001), True
Check "Persian in UTF-7", s.CheckStringCodePage(65000), True
Check "Persian in a code page that is not one", s.CheckStringCodePage(101), False
Check "Persian in the system code page", s.CheckStringCodePage(-1), ansiIsArabic
s.Text = "abc"
Check "abc in code page 1252", s.CheckStringCodePage(1252), True
Check "abc in code page 1256", s.CheckStringCodePage(1256), True
Check "abc in UTF-16 (no byte code page)", s.CheckStringCodePage(1200), False
s.Text = ""
Check "encoding empty text", s.TextEncodeCodePage(101), ""
Check "decoding empty text", s.TextDecodeCodePage(101), ""
s.Text = "abc"
On Error Resume Next
x = s.TextEncodeCodePage(101)
CheckError "encoding to an unsupported code page", 5
x = s.TextDecodeCodePage(206)
CheckError "decoding from an unsupported code page", 5
x = s.TextEncodeCodePage(1200)
CheckError "encoding to UTF-16", 5
On Error GoTo 0
s.Text = FromUtf8("C3A9")
Check "e acute through code page 1252", HexBytes(s.TextEncodeCodePage(1252)), "E9"
Check "e acute through UTF-7", s.TextEncodeCodePage(65000), "+AOk-"

If ansiIsArabic Then
    Check "the script's own Persian letters", persian, "سبز"
    s.Text = persian
    Check "ArrayAsc of a Persian letter", s.ArrayAsc(1), CByte(&HD3)
    Check "encoding to the system code page keeps the text", s.TextEncodeCodePage(1256), persian
    Check "Persian letters compare without case", s.FirstIndex("بز"), CInt(2)
Else
    s.Text = persian
    Check "ArrayAsc of a letter outside the code page", s.ArrayAsc(1), CByte(63)
End If

' Currency results reach late-bound callers, in the user's own number format.
Dim currencyCases, currencyCase
currencyCases = Array(Array("7", CCur(7)), Array(CStr(2.5), CCur(2.5)), Array(CStr(-1234.5678), CCur(-1234.5678)), _
    Array("abc", CCur(0)))
For Each currencyCase In currencyCases
    s.Text = currencyCase(0)
    Check "ToCurrency of " & currencyCase(0), s.ToCurrency, currencyCase(1)
Next
s.Text = "1e20"
On Error Resume Next
x = s.ToCurrency
CheckError "ToCurrency past the Currency range", 6
On Error GoTo 0
