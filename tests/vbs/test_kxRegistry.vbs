' kxRegistry through late binding: the settings store, raw values, enumeration and INI files.
Set r = CreateObject("Korvix32.kxRegistry")
Const HKCU = &H80000001
Dim REG_NONE, REG_SZ, REG_EXPAND_SZ, REG_DWORD  ' Longs, as the class returns them
REG_NONE = CLng(0) : REG_SZ = CLng(1) : REG_EXPAND_SZ = CLng(2) : REG_DWORD = CLng(4)
Dim app, base
app = "KxTestScript"
base = "Software\Velmora Group\" & app

' Deepest keys first: a key that still has subkeys is never deleted.
Sub RemoveScratchKeys()
    Dim section
    For Each section In Array("Numbers", "Texts", "Overflow", "Normalised", "Plain", "Empty\Inner", "Empty", "Gone")
        r.regDelete_A_Key HKCU, base, section
    Next
    r.regDelete_A_Key HKCU, "Software\Velmora Group", app
End Sub
RemoveScratchKeys

' Automatic type: numeric data is stored as REG_DWORD and reads back as a Long (halves to even).
Dim numberCases, i
numberCases = Array( _
    Array("plain", "123", 123), _
    Array("blanks", " 12 ", 12), _
    Array("negative", "-7", -7), _
    Array("half down", 2.5, 2), _
    Array("half up", 3.5, 4), _
    Array("hexadecimal", "&H10", 16), _
    Array("largest", "2147483647", 2147483647))
For i = 0 To UBound(numberCases)
    r.KXSaveRegistry app, "Numbers", numberCases(i)(0), numberCases(i)(1)
    Check "number " & numberCases(i)(0) & " stored as REG_DWORD", r.KXGetKeyType(HKCU, base & "\Numbers", numberCases(i)(0)), REG_DWORD
    Check "number " & numberCases(i)(0) & " reads back", r.KXReadRegistry(app, "Numbers", numberCases(i)(0)), CLng(numberCases(i)(2))
Next

' Text is stored as REG_SZ without the blanks at its ends.
Dim textCases
textCases = Array( _
    Array("word", "  word  ", "word"), _
    Array("inner blanks", " two  words ", "two  words"), _
    Array("persian", " سلام کتاب ", "سلام کتاب"), _
    Array("empty", "", ""))
For i = 0 To UBound(textCases)
    r.KXSaveRegistry app, "Texts", textCases(i)(0), textCases(i)(1)
    Check "text " & textCases(i)(0) & " stored as REG_SZ", r.KXGetKeyType(HKCU, base & "\Texts", textCases(i)(0)), REG_SZ
    Check "text " & textCases(i)(0) & " reads back trimmed", r.KXReadRegistry(app, "Texts", textCases(i)(0)), textCases(i)(2)
Next

' The default comes back only when the key is missing.
Check "missing key gives the default", r.KXReadRegistry(app, "NoSuchSection", "word", "fallback"), "fallback"
Check "missing key gives a numeric default as given", r.KXReadRegistry(app, "NoSuchSection", "word", 42), 42
Dim omitted
omitted = r.KXReadRegistry(app, "NoSuchSection", "word")
Check "missing key without a default gives the missing-argument value", VarType(omitted), 10
Check "existing key without the value gives empty text", r.KXReadRegistry(app, "Texts", "no such value", "fallback"), ""

' Conversion errors carry the runtime's numbers and texts; the key is created first.
Dim errorText
On Error Resume Next
r.KXSaveRegistry app, "Overflow", "big", "99999999999"
errorText = Err.Description
CheckError "number beyond 32 bits overflows", 6
Check "overflow text", errorText, "Overflow"
r.regCreate_Key_Value HKCU, base & "\Overflow", "word", "abc", REG_DWORD
errorText = Err.Description
CheckError "text as REG_DWORD is a type mismatch", 13
Check "type mismatch text", errorText, "Type mismatch"
On Error GoTo 0
Check "the key stays after the overflow", r.regDoes_Key_Exist(HKCU, base & "\Overflow"), True
Check "the overflowing value was not written", r.KXGetKeyType(HKCU, base & "\Overflow", "big"), REG_NONE

' One leading and one trailing backslash come off each name, and the caller sees the result.
Dim a, s, k
a = "\" & app & "\" : s = "\Normalised\" : k = "\key\"
r.KXSaveRegistry a, s, k, "stored"
Check "application name written back", a, app
Check "section written back", s, "Normalised"
Check "key written back", k, "key"
Check "normalised names address the bare key", r.regQuery_A_Key(HKCU, base & "\Normalised", "key"), "stored"
a = "\\" & app & "\\" : s = "Normalised" : k = "key"
r.KXReadRegistry a, s, k
Check "one backslash comes off at each end", a, "\" & app & "\"

' Without the default path the application name is the whole key path.
r.KXSaveRegistry base, "Plain", "k", "x", HKCU, False
Check "settings outside the default path", r.KXReadRegistry(app, "Plain", "k"), "x"

' Raw values: the caller's type, text without a terminator for the other types.
r.regCreate_Key_Value HKCU, base & "\Texts", "expand", " %PATH% ", REG_EXPAND_SZ
Check "REG_EXPAND_SZ keeps its blanks and is not expanded", r.regQuery_A_Key(HKCU, base & "\Texts", "expand"), " %PATH% "
r.regCreate_Key_Value HKCU, base & "\Texts", "automatic", " 7 "
Check "an omitted type is automatic", r.regQuery_A_Key(HKCU, base & "\Texts", "automatic"), CLng(7)
r.regCreate_Key_Value HKCU, base & "\Texts", "forced text", 15, REG_SZ
Check "a number forced to REG_SZ reads back as text", r.regQuery_A_Key(HKCU, base & "\Texts", "forced text"), "15"
Check "a missing value reads as empty text", r.regQuery_A_Key(HKCU, base & "\Texts", "no such value"), ""
Check "a missing key reads as empty text", r.regQuery_A_Key(HKCU, base & "\NoSuchSection", "word"), ""
Check "an empty path names the root key", r.regDoes_Key_Exist(HKCU, ""), True
Check "a missing key does not exist", r.regDoes_Key_Exist(HKCU, base & "\NoSuchSection"), False
Check "a trailing backslash names the same key", r.regDoes_Key_Exist(HKCU, base & "\Texts\"), True

' Enumeration from index 0 until Empty or an empty name.
Dim names, name
names = ""
i = 0
name = r.KXRead_Enum_Key(HKCU, base, i)
Do While Not IsEmpty(name) And i < 100
    names = names & name & ";"
    i = i + 1
    name = r.KXRead_Enum_Key(HKCU, base, i)
Loop
Check "subkeys in order", names, "Normalised;Numbers;Overflow;Plain;Texts;"
Check "an index past the last subkey gives Empty", IsEmpty(r.KXRead_Enum_Key(HKCU, base, 5)), True
Check "subkeys of a missing key give Empty", IsEmpty(r.KXRead_Enum_Key(HKCU, base & "\NoSuchSection", 0)), True
Check "first value name", r.KXRead_Enum_Value(HKCU, base & "\Normalised", 0), "key"
Check "a value index past the end gives empty text", r.KXRead_Enum_Value(HKCU, base & "\Normalised", 1), ""

' Deleting: one value, a section key, and never a key that still has subkeys.
r.KXSaveRegistry app, "Gone", "one", "1"
r.KXSaveRegistry app, "Gone", "two", "2"
r.KXDeleteRegistry app, "Gone", "one"
Check "a deleted value is gone", r.KXGetKeyType(HKCU, base & "\Gone", "one"), REG_NONE
Check "its neighbour stays", r.KXReadRegistry(app, "Gone", "two"), CLng(2)
r.KXDeleteRegistry app, "Gone"
Check "a deleted section is gone", r.regDoes_Key_Exist(HKCU, base & "\Gone"), False
r.regCreate_A_Key HKCU, base & "\Empty\Inner"
Check "a key with subkeys is not deleted", r.regDelete_A_Key(HKCU, base, "Empty"), False
Check "deleting a missing value fails", r.regDelete_Sub_Key(HKCU, base & "\Texts", "no such value"), False
Check "deleting a value", r.regDelete_Sub_Key(HKCU, base & "\Texts", "word"), True

' An omitted verb is "OPEN"; nothing of this type is registered.
Check "file type check with the verb omitted", r.RegIconFileTypeCheck("kxtstscript", "", "icon.ico", "app.exe"), False

' INI files: text in the system code page (1256), the default for what is missing.
Dim fso, folder, ini, stream
Set fso = CreateObject("Scripting.FileSystemObject")
folder = CreateObject("WScript.Shell").Environment("PROCESS")("KX_TEST_DIR")
ini = folder & "\settings.ini"
Check "WriteProfileText succeeds", r.WriteProfileText("بخش", "نام", "سلام کتاب", ini), True
Check "GetProfileText reads it back", r.GetProfileText("بخش", "نام", "fallback", ini), "سلام کتاب"
Set stream = fso.OpenTextFile(ini, 1, False, 0)
Check "the file holds the text in the system code page", InStr(stream.ReadAll, "نام=سلام کتاب") > 0, True
stream.Close
Check "one byte per Persian letter", fso.GetFile(ini).Size = 22, True
Check "a missing key gives the default", r.GetProfileText("بخش", "missing", "fallback", ini), "fallback"
Check "a missing section gives the default", r.GetProfileText("missing", "نام", "fallback", ini), "fallback"
Check "a missing file gives the default", r.GetProfileText("بخش", "نام", "fallback", folder & "\none.ini"), "fallback"
Dim unset
Check "empty text is written", r.WriteProfileText("بخش", "نام", unset, ini), True
Check "and the key stays with empty text", r.GetProfileText("بخش", "نام", "fallback", ini), ""

RemoveScratchKeys
Check "scratch keys removed", r.regDoes_Key_Exist(HKCU, base), False
