' kxTrayBar through late binding, outside any container: defaults, lets and gets; no icon is added.
Set t = CreateObject("Korvix32.kxTrayBar")
Check "the default interface", TypeName(t), "_kxTrayBar"
Check "VisibleOnTray of a new control", t.VisibleOnTray, True
Check "Interval of a new control", t.Interval, CLng(500)
Check "Animate of a new control", t.Animate, False
Check "Enabled of a new control", t.Enabled, True
Check "IconhWnd before any icon", t.IconhWnd, CLng(0)
Check "TrayBarRectRight before any icon", t.TrayBarRectRight, CLng(0)
t.ToolTipText = "  ابجد  "
Check "ToolTipText without its outer blanks", t.ToolTipText, "ابجد"
t.Interval = 250
Check "Interval", t.Interval, CLng(250)
t.AutoReverse = True
Check "AutoReverse", t.AutoReverse, True
t.Animate = True
t.Animate = False
Check "Animate", t.Animate, False
On Error Resume Next
t.Interval = -1
CheckError "Interval below 0", 380
On Error GoTo 0
