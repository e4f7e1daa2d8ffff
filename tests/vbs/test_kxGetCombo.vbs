' kxGetCombo through late binding, outside any container: defaults, the column list, and lookups over a
' record source written in script that logs every criterion it is given.
Class Field
    Public FieldName
    Public FieldType
    Public Owner
    Public Property Get Type
        Type = FieldType
    End Property
    Public Property Get Value
        Value = Owner.Cell(FieldName)
    End Property
End Class

Class People
    Public Position
    Public Criteria
    Public Ids
    Public Names
    Private Sub Class_Initialize
        Ids = Array(7, 12, 30)
        Names = Array("Ava", "O'Brien", Null)
        Position = 0
        Criteria = ""
    End Sub
    Public Property Get RecordCount
        RecordCount = 3
    End Property
    Public Property Get EOF
        EOF = Position > 2
    End Property
    Public Sub MoveFirst
        Position = 0
    End Sub
    Public Sub MoveNext
        Position = Position + 1
    End Sub
    Public Property Get Bookmark
        Bookmark = Position
    End Property
    Public Property Let Bookmark(value)
        Position = value
    End Property
    Public Function Cell(name)
        If name = "Id" Then Cell = Ids(Position) Else Cell = Names(Position)
    End Function
    Public Property Get Fields(name)
        Set f = New Field
        f.FieldName = name
        If name = "Id" Then f.FieldType = 3 Else f.FieldType = 202
        Set f.Owner = Me
        Set Fields = f
    End Property
    ' Only the two criterion forms used here: Id = n and Name = 'text'.
    Public Sub Find(criterion, skip, direction, start)
        Criteria = Criteria & criterion & ";"
        For Position = 0 To 2
            If criterion = "Id = " & Ids(Position) Then Exit Sub
            If Not IsNull(Names(Position)) Then
                If criterion = "Name = '" & Replace(Names(Position), "'", "''") & "'" Then Exit Sub
            End If
        Next
    End Sub
End Class

Set c = CreateObject("Korvix32.kxGetCombo")
Check "the default interface", TypeName(c), "_kxGetCombo"
Check "Value of a new control: its box's text", c.Value, "0"
Check "TextStyle", c.TextStyle, CLng(1)
Check "Style", c.Style, CLng(0)
Check "EnterNextTab", c.EnterNextTab, True
Check "BorderStyle", c.BorderStyle, CLng(1)
Check "BackColor", c.BackColor, &H80000005
Check "ForeColor", c.ForeColor, &H80000012
Check "OneTimeLoaded", c.OneTimeLoaded, False
Check "ListCount of a new control", c.ListCount, 0

c.AddItem "Id"
c.AddItem "Name", "Who", 2500
Check "ListCount after two", c.ListCount, 2
On Error Resume Next
c.AddItem ""
CheckError "AddItem without a name", 1
c.GridRefresh
CheckError "GridRefresh without a source", 1
c.SecondDataSource = "not an object"
CheckError "a source that is no object", 13
On Error GoTo 0

Set source = New People
Set c.SecondDataSource = source
c.KeyField = "Id"
c.ShowField = "Name"
Check "the grid loaded", c.OneTimeLoaded, True

' Key, shown text, criterion sent: a new Value looks up twice, in its box's change and after it.
cases = Array( _
    Array("Id", "Name", "12", "O'Brien", "Id = 12;"), _
    Array("Id", "Name", "13", "", "Id = 13;"), _
    Array("Id", "Name", "30", "", "Id = 30;"), _
    Array("Name", "Id", "O'Brien", "12", "Name = 'O''Brien';"), _
    Array("Id", "Name", "x", "", ""))
For Each k In cases
    c.KeyField = k(0)
    c.ShowField = k(1)
    source.Criteria = ""
    c.Value = k(2)
    Check "shown for " & k(0) & " " & k(2), c.Text, k(3)
    Check "criterion for " & k(0) & " " & k(2), source.Criteria, k(4) & k(4)
Next
c.TextStyle = 0
Check "Text without a label", c.Text, "x"
