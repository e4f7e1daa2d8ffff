' kxNumText through late binding: Persian and English words, ordinals, the stored number and failures.
Set n = CreateObject("Korvix32.kxNumText")

Check "a new object has no words", n.Value, ""
Check "a new object holds 0", n.Number, CDbl(0)
Check "zero in Persian", n.TranslateFa(0), "صفر"
Check "zero in English", n.TranslateEn(), "zero"

persian = Array( _
    Array(5, False, "پنج"), Array(105, False, "صد و پنج"), Array(305, False, "سيصد و پنج"), _
    Array(1000, False, "يک هزار"), Array(1000001, False, "يک ميليون و يک"), Array(-3, False, "منفي سه"), _
    Array(0.5, False, "پنج دهم"), Array(-0.5, False, "منفي پنج دهم"), Array(0.05, False, "پنج صدم"), _
    Array(1.25, False, "يک و بيست و پنج صدم"), Array(1.0005, False, "يک و پنج ده هزارم"), _
    Array(1.1005, False, "يک و يک هزار و پنج ده هزارم"), _
    Array(0.1234, False, "يک هزار و دويست و سي و چهار ده هزارم"), _
    Array(1, True, "يکم"), Array(3, True, "سوم"), Array(30, True, "سي ام"), Array(33, True, "سي و سوم"), _
    Array(13, True, "سيزدهم"))
For Each c In persian
    Check "TranslateFa " & c(0) & " " & c(1), n.TranslateFa(c(0), c(1)), c(2)
Next
nines = "نهصد و نود و نه"
Check "all five groups", n.TranslateFa(999999999999999), nines & " تريليارد و " & nines & " ميليارد و " & _
    nines & " ميليون و " & nines & " هزار و " & nines

english = Array( _
    Array(21, "twenty one"), Array(100, "one hun dred"), Array(400, "fore hun dered"), _
    Array(1234, "one thousand and two hun dred thirty four"), Array(1000001, "one million and one"), _
    Array(2.05, "two point zero five"), Array(0.25, " point two five"), Array(-3, "Minus three"), _
    Array(-0.25, "Minus  point two five"))
For Each c In english
    Check "TranslateEn " & c(0), n.TranslateEn(c(0)), c(1)
Next
Check "a third in English digit by digit", Replace(n.TranslateEn(1 / 3), " three", "x"), " point" & "xxxxxxxxxxxxxxx"

' Zero or no argument: the stored number; the argument variable stays as it was.
x = CDbl(5)
Check "TranslateFa of a variable", n.TranslateFa(x), "پنج"
Check "the variable is unchanged", x, CDbl(5)
Check "TranslateFa of 0 repeats the number", n.TranslateFa(0), "پنج"
Check "TranslateFa without an argument", n.TranslateFa(), "پنج"
Check "TranslateEn without an argument", n.TranslateEn, "five"
n.Number = 7
Check "setting Number keeps Value", n.Value, "five"
Check "Number as set", n.Number, CDbl(7)
Check "TranslateEn of the set Number", n.TranslateEn(), "seven"
n.Number = 0
Check "Number 0 in Persian", n.TranslateFa(), "صفر"
Check "Value after Persian", n.Value, "صفر"
Check "English then Persian place words", n.TranslateEn(2.05) & "|" & n.TranslateFa(1.25), _
    "two point zero five|يک و بيست و پنج صدم"

' Out of reach of the word tables: error 9; Number holds the new number, Value the last words.
On Error Resume Next
n.TranslateFa 1 / 3
CheckError "fifteen digits after the point in Persian", 9
n.TranslateFa 0.00001
CheckError "exponent notation in Persian", 9
n.TranslateEn 0.00001
CheckError "exponent notation in English", 9
n.TranslateEn 1E+15
CheckError "a quadrillion", 9
On Error GoTo 0
Check "Number after a failure", n.Number, CDbl(1E+15)
Check "Value after a failure", n.Value, "يک و بيست و پنج صدم"
