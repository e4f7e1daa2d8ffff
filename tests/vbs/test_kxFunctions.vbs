' kxFunctions through late binding: lists, replacements, database values, host objects by name.
Set f = CreateObject("Korvix32.kxFunctions")
Set fso = CreateObject("Scripting.FileSystemObject")
dir = Replace(CreateObject("WScript.Shell").ExpandEnvironmentStrings("%KX_TEST_DIR%"), Chr(0), "")

' A combo or list box as the functions reach it: Text, ListCount, List(i), ListIndex, selection.
Class FakeList
    ' One declaration a line: Wine's VBScript does not take a list after Public.
    Public Text
    Public SelStart
    Public SelLength
    Public Items
    Public Chosen
    Private Sub Class_Initialize()
        Text = ""
        SelStart = 0
        SelLength = 0
        Chosen = -1
        Items = Array("apple", "Banana", "blueberry", "cherry")
    End Sub
    Public Property Get ListCount()
        ListCount = UBound(Items) + 1
    End Property
    Public Property Get List(i)
        List = Items(i)
    End Property
    Public Property Get ListIndex()
        ListIndex = Chosen
    End Property
    Public Property Let ListIndex(i)
        Chosen = i
        Text = Items(i)
    End Property
End Class

' An object with a Font property set by reference.
Class FontHolder
    Public Held
    Public Property Get Font()
        Set Font = Held
    End Property
    Public Property Set Font(value)
        Set Held = value
    End Property
End Class

' Lists separated by a text.
Dim master
master = "ab;cd"
Check "GetStrBegin first item", f.GetStrBegin(master, ";"), "ab"
Check "GetStrBegin leaves the rest", master, "cd"
Check "GetStrBegin last item", f.GetStrBegin(master, ";"), "cd"
Check "GetStrBegin empties the list", master, ""
master = "x=1"
Check "GetStrBegin keeping the list", f.GetStrBegin(master, "=", False), "x"
Check "GetStrBegin kept", master, "x=1"
lists = Array(Array("cd", "ab;cd;ef", 1), Array("xy", "ab;cd", 0), Array("ef", "ab;cd;ef", 2), Array("b", "ab;cd", 0))
For Each c In lists
    Check "GetListIndex " & c(0) & " in " & c(1), f.GetListIndex(c(0), c(1)), CInt(c(2))
Next
Check "GetListIndex other separator", f.GetListIndex("cd", "ab, cd", ", "), CInt(1)
items = Array(Array(1, "ab;cd;ef", "cd"), Array(0, "ab;cd;ef", "ab"), Array(2, "ab;cd;ef;", "ef"), _
    Array(3, "ab;cd;ef", ""), Array(9, "ab;cd;ef", ""), Array(-2, "ab;cd", "ab"), Array(0, "", ""))
For Each c In items
    Check "GetItemList " & c(0) & " of " & c(1), f.GetItemList(c(0), c(1)), c(2)
Next
Check "GetItemList other separator", f.GetItemList(1, "ab, cd, ef", ", "), "cd"

' Replacements end, however the texts are chosen.
replacements = Array(Array("aaaa", "aa", "a", "a"), Array("abc", "x", "y", "abc"), _
    Array("a    b", "  ", " ", "a b"), Array("banana", "a", "aa", "baanaanaa"), Array("abc", "", "x", "abc"), _
    Array("ABC", "b", "x", "ABC"))
For Each c In replacements
    Check "ReplaceStr " & c(0) & " " & c(1) & "->" & c(2), f.ReplaceStr(c(0), c(1), c(2)), c(3)
Next
On Error Resume Next
x = f.ReplaceStr("aab", "ab", "bbaa")
CheckError "ReplaceStr that would never end", 5
On Error GoTo 0
Check "ReplaceCharInStr in sequence", f.ReplaceCharInStr("abc", "ab", "ba"), "aac"
Check "ReplaceCharInStr removes", f.ReplaceCharInStr("abcabc", "bc", "x"), "axax"
Check "ReplaceCharInStr binary", f.ReplaceCharInStr("ABC", "b", "x"), "ABC"

' Database values.
values = Array( _
    Array("Null", f.ChangeNullEmpty(Null), ""), Array("Empty", f.ChangeNullEmpty(Empty, "d"), "d"), _
    Array("zero Long kept", f.ChangeNullEmpty(CLng(0), "x"), CLng(0)), _
    Array("zero Double kept", f.ChangeNullEmpty(CDbl(0), "x"), CDbl(0)), _
    Array("empty text", f.ChangeNullEmpty("", "x"), "x"), Array("False", f.ChangeNullEmpty(False, "x"), "x"), _
    Array("text kept", f.ChangeNullEmpty("abc", "x"), "abc"), _
    Array("numeric text as Boolean", f.ChangeNullEmpty("7", , 4), True), _
    Array("zero text as Boolean", f.ChangeNullEmpty("0", , 4), False), _
    Array("True text as Boolean", f.ChangeNullEmpty("True", , 4), True), _
    Array("Null as list item", f.ChangeNullEmpty(Null, , 5), CInt(-1)), _
    Array("zero as list item", f.ChangeNullEmpty(CLng(0), , 5), CInt(-1)), _
    Array("text as list item", f.ChangeNullEmpty("12abc", , 5), CDbl(12)), _
    Array("as number", f.ChangeNullEmpty("3.5kg", , 2), CDbl(3.5)), _
    Array("as text", f.ChangeNullEmpty(CLng(42), , 1), "42"), _
    Array("style out of range", f.ChangeNullEmpty(CLng(42), , 9), CLng(42)))
For Each c In values
    Check "ChangeNullEmpty " & c(0), c(1), c(2)
Next
On Error Resume Next
x = f.ChangeNullEmpty(Null, Null, 1)
CheckError "ChangeNullEmpty Null as text", 94
x = f.ChangeNullEmpty("abc", , 3)
CheckError "ChangeNullEmpty text as a date", 13
On Error GoTo 0

' Host objects by member name.
Set combo = New FakeList
f.FindInComboBox combo
Check "FindInComboBox empty text changes nothing", combo.Chosen, -1
combo.Text = "bl"
f.FindInComboBox combo
Check "FindInComboBox completes", combo.Text, "blueberry"
Check "FindInComboBox index", combo.Chosen, CLng(2)
Check "FindInComboBox selects the rest", combo.SelStart & "," & combo.SelLength, "2,7"
Set combo = New FakeList
combo.Text = "b"
f.FindInComboBox combo
Check "FindInComboBox is binary", combo.Text, "blueberry"
combo.Text = "kiwi"
combo.SelStart = 4
f.FindInComboBox combo
Check "FindInComboBox without a match", combo.Text & "," & combo.SelStart, "kiwi,4"
Check "GetObjectListIndex ignoring case", f.GetObjectListIndex(combo, "BANANA"), CInt(1)
Check "GetObjectListIndex exact", f.GetObjectListIndex(combo, "BANANA", True), CInt(-1)
Check "GetObjectListIndex exact match", f.GetObjectListIndex(combo, "cherry", True), CInt(3)
On Error Resume Next
x = f.GetObjectListIndex(f, "x")
CheckError "GetObjectListIndex on an object without a list", 438
On Error GoTo 0

Set holder = New FontHolder
f.MakeFont "DejaVu Sans,12,B,U,", holder
Check "MakeFont name", holder.Font.Name, "DejaVu Sans"
Check "MakeFont size", CInt(holder.Font.Size), CInt(12)
Check "MakeFont flags", holder.Font.Bold & holder.Font.Italic & holder.Font.Underline & holder.Font.Strikethrough, _
    "TrueFalseTrueFalse"
f.MakeFont "DejaVu Sans,10,b,i", holder
Check "MakeFont flags must be capitals", holder.Font.Bold & holder.Font.Italic, "FalseFalse"
Check "MakeFont without a final comma", CInt(holder.Font.Size), CInt(10)
On Error Resume Next
f.MakeFont "Arial", holder
CheckError "MakeFont without a size", 13
On Error GoTo 0
Check "GetUserCharset of a missing font", f.GetUserCharset("No Such Font Korvix"), CInt(0)

' Files.
Set file = fso.CreateTextFile(dir & "\one.tmp", True) : file.Close
Set file = fso.CreateTextFile(dir & "\two.tmp", True) : file.Close
Set file = fso.CreateTextFile(dir & "\keep.txt", True) : file.Close
f.KillFileName dir & "\*.tmp"
Check "KillFileName wildcards", fso.FileExists(dir & "\one.tmp") Or fso.FileExists(dir & "\two.tmp"), False
Check "KillFileName leaves other files", fso.FileExists(dir & "\keep.txt"), True
f.KillFileName dir & "\missing.txt"
Check "KillFileName of nothing", True, True
fso.GetFile(dir & "\keep.txt").Attributes = 1
On Error Resume Next
f.KillFileName dir & "\keep.txt"
CheckError "KillFileName of a read-only file", 75
On Error GoTo 0
fso.GetFile(dir & "\keep.txt").Attributes = 0

t = Timer
f.Wait 0.05, True
f.Wait 0.05
Check "Wait returns", Timer - t >= 0.09 Or Timer < t, True
