' Shared checks of the script tests; the runner puts this before each test file.
Dim kxFailures, kxChecks
kxFailures = 0
kxChecks = 0

Sub Check(name, got, expected)
    kxChecks = kxChecks + 1
    If TypeName(got) = TypeName(expected) And got = expected Then
        WScript.Echo "ok " & name
    Else
        kxFailures = kxFailures + 1
        WScript.Echo "not ok " & name & ": got " & TypeName(got) & " [" & got & "], expected " & _
            TypeName(expected) & " [" & expected & "]"
    End If
End Sub

' Checks the error of the statement just run under On Error Resume Next, then clears it.
Sub CheckError(name, number)
    If Err.Number = number Then
        WScript.Echo "ok " & name
    Else
        kxFailures = kxFailures + 1
        WScript.Echo "not ok " & name & ": error " & Err.Number & " (" & Err.Description & "), expected " & number
    End If
    kxChecks = kxChecks + 1
    Err.Clear
End Sub

Sub Finish()
    WScript.Echo "checks " & kxChecks & ", failures " & kxFailures
    WScript.Echo "KX-SCRIPT-END"
End Sub
