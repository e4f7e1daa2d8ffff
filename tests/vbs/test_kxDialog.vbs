' kxDialog through late binding: fields, outputs written back, and members that open no dialog.
Set dlg = CreateObject("Korvix32.kxDialog")

n = 0
Check "GetDuplex 1", dlg.GetDuplex(1), "Duplex is turned off (1)"
Check "GetDuplex 2", dlg.GetDuplex(2), "Duplex is set to VERTICAL (2)"
Check "GetDuplex 3", dlg.GetDuplex(3), "Duplex is set to HORIZONTAL (3)"
Check "GetDuplex 0", dlg.GetDuplex(n), "Duplex is set to undefined value of 0"

Check "LastErrorMessage starts empty", dlg.LastErrorMessage, ""
dlg.LastErrorMessage = "12"
Check "LastErrorMessage let", dlg.LastErrorMessage, "12"

Check "CustomColors starts empty", IsEmpty(dlg.CustomColors), True
dlg.CustomColors = Array(1, 2, 3)
Check "CustomColors takes an array by value", UBound(dlg.CustomColors), CLng(2)

Check "XPrinter is an object", IsObject(dlg.XPrinter), True
Check "XPrinter has a device name", VarType(dlg.XPrinter.DeviceName), 8
Set p = dlg.XPrinter
p.Copies = 3
Check "XPrinter keeps what is set", dlg.XPrinter.Copies, CLng(3)

On Error Resume Next
fontFlags = 0
dlg.FontDialog Nothing, 0, 0, 0, fontFlags
CheckError "FontDialog without a font", 91
On Error GoTo 0
