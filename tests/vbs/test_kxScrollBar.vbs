' kxScrollBar through late binding: defaults, the range rules, the Style colours, and failing setters that
' leave every property as it was.
Set b = CreateObject("Korvix32.kxScrollBar")
Check "the default interface", TypeName(b), "_kxScrollBar"

defaults = Array("Min", CLng(0), "Max", CLng(100), "Value", CLng(0), "SmallChange", CLng(1), _
                 "LargeChange", CLng(10), "Style", CLng(0), "Direction", CLng(0), "Enabled", True, "BackColor", &H8000000F, "ForeColor", &H80000012)
For i = 0 To UBound(defaults) Step 2
    Check "a new " & defaults(i), CallByNameGet(b, defaults(i)), defaults(i + 1)
Next

Function CallByNameGet(o, name)
    Select Case name
        Case "Min": CallByNameGet = o.Min
        Case "Max": CallByNameGet = o.Max
        Case "Value": CallByNameGet = o.Value
        Case "SmallChange": CallByNameGet = o.SmallChange
        Case "LargeChange": CallByNameGet = o.LargeChange
        Case "Style": CallByNameGet = o.Style
        Case "Direction": CallByNameGet = o.Direction
        Case "Enabled": CallByNameGet = o.Enabled
        Case "BackColor": CallByNameGet = o.BackColor
        Case "ForeColor": CallByNameGet = o.ForeColor
    End Select
End Function

Function State(o)
    State = o.Min & "|" & o.Max & "|" & o.Value & "|" & o.SmallChange & "|" & o.LargeChange & "|" & _
            o.Style & "|" & o.Direction & "|" & o.BackColor & "|" & o.ForeColor
End Function

b.Value = 50
b.Max = -5
Check "Max below Min becomes Min + 1", b.Max, CLng(1)
Check "Value follows into the range", b.Value, CLng(0)
b.Max = 100
b.Max = 0
Check "Max equal to Min is applied and repaired", b.Max, CLng(1)
b.Max = 100
b.Min = 100
Check "Min equal to Max is applied and repaired", b.Max, CLng(101)
b.Min = 0
b.Max = 100
b.Value = 1000
Check "Value above Max", b.Value, CLng(100)
b.Value = -1000
Check "Value below Min", b.Value, CLng(0)
b.LargeChange = 0
Check "LargeChange 0 reads 1", b.LargeChange, CLng(1)
b.LargeChange = 10

styles = Array(0, &H8000000F, &H80000012, 5, &HFAC8AA, &H80000012, 7, &H8000000F, &H80000002, _
               11, &HFAC8AA, &H78E1FF, 3, &H8000000F, &H80000012)
For i = 0 To UBound(styles) Step 3
    b.BackColor = &H123456
    b.ForeColor = &H654321
    b.Style = styles(i)
    Check "Style " & styles(i) & " BackColor", b.BackColor, styles(i + 1)
    Check "Style " & styles(i) & " ForeColor", b.ForeColor, styles(i + 2)
Next
b.Style = 0
b.Direction = 1
Check "Direction", b.Direction, CLng(1)
b.Direction = 0
b.Enabled = False
Check "Enabled", b.Enabled, False
b.Enabled = True
Check "hdc", b.hdc <> 0, True
Check "Hwnd", b.Hwnd <> 0, True
b.Refresh

b.Min = -10
b.Value = 20
before = State(b)
On Error Resume Next
b.Style = 9
CheckError "Style 9 has no member", 380
Check "Style 9 changed nothing", State(b), before
b.Style = 10
CheckError "Style 10 has no member", 380
b.Max = 2147483647
CheckError "Max too wide a range", 6
Check "Max changed nothing", State(b), before
b.Min = -2147483647 - 1
CheckError "Min too wide a range", 6
Check "Min changed nothing", State(b), before
b.LargeChange = 2147483647
CheckError "a thumb beyond 32 bits", 6
Check "LargeChange changed nothing", State(b), before
On Error GoTo 0
