' kxCalculator through late binding: Value loads and evaluates, ResetValue, Enabled, bad values.
Set c = CreateObject("Korvix32.kxCalculator")

values = Array(Array(12.5, 12.5), Array(-0.5, -0.5), Array(7, 7), Array(1234.5678, 1234.5678), _
    Array(1E+20, 1E+20), Array(0, 0))
For Each v In values
    c.Value = v(0)
    Check "Value " & v(0), c.Value, CDbl(v(1))
    Check "the default member " & v(0), CDbl(c), CDbl(v(1))
Next

c.Value = 5
c.ResetValue
Check "ResetValue shows 0", c.Value, CDbl(0)
Check "Enabled at first", c.Enabled, True
c.Enabled = False
Check "Enabled set", c.Enabled, False
c.Enabled = True

On Error Resume Next
c.Value = "abc"
CheckError "text that is no number", 13
c.Value = 1E+308 * 10
CheckError "an infinite value", 380
On Error GoTo 0
Check "the value is kept", c.Value, CDbl(0)
