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

' ---- The printer dialogs read XPrinter late-bound: its errors fail the call ----
Class ScriptPrinter
    Public Reads
    Public Property Get DeviceName
        Reads = Reads & "DeviceName,"
        DeviceName = "Script Printer"
    End Property
    Public Property Get DriverName
        Reads = Reads & "DriverName,"
        DriverName = "winspool"
    End Property
    Public Property Get Port
        Reads = Reads & "Port,"
        Err.Raise 68
    End Property
    Public Property Get Orientation
        Reads = Reads & "Orientation,"
        Orientation = 1
    End Property
    Public Property Get Copies
        Reads = Reads & "Copies,"
        Copies = 1
    End Property
    Public Property Get Duplex
        Reads = Reads & "Duplex,"
        Duplex = 1
    End Property
End Class

Set printerDialog = CreateObject("Korvix32.kxDialog")
Set printerDialog.XPrinter = Nothing
On Error Resume Next
shown = "not set"
shown = printerDialog.ShowPrinter()
CheckError "ShowPrinter with XPrinter Nothing", 91
Check "ShowPrinter with XPrinter Nothing returns nothing", shown, "not set"
shown = printerDialog.ShowPrinterSetup()
CheckError "ShowPrinterSetup with XPrinter Nothing", 91
Check "ShowPrinterSetup with XPrinter Nothing returns nothing", shown, "not set"

' A script class: every property is read through IDispatchEx, and the error of Port ends the call before any
' dialog opens.
Set scriptXPrinter = New ScriptPrinter
Set printerDialog.XPrinter = scriptXPrinter
For Each member In Array("ShowPrinter", "ShowPrinterSetup")
    scriptXPrinter.Reads = ""
    If member = "ShowPrinter" Then shown = printerDialog.ShowPrinter() Else shown = printerDialog.ShowPrinterSetup()
    CheckError member & " with a script printer whose Port fails", 68
    Check member & " reads the script printer's properties", scriptXPrinter.Reads, _
        "DeviceName,Orientation,Copies,Duplex,DriverName,DeviceName,Port,"
Next
On Error GoTo 0
