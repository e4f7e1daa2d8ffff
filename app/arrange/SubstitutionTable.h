#pragma once
#include <array>
#include <string_view>

// The great cycle's substitutions: one row per abjad letter, in abjad order. A row starts with the letter it
// serves; each of its characters, that first one included, replaces the letter in turn. Letters repeated
// inside a row give repeated words.
namespace zarvanta {

inline constexpr std::array<std::wstring_view, 28> kSubstitutionRows = {
    L"\u0627\u0636\u064A\u062C\u063A\u0628\u0646\u0642\u0633",  //  1 اضيجغبنقس
    L"\u0628\u0637\u06A9\u062F\u0627\u062C\u062E\u0631\u0639",  //  2 بطکداجخرع
    L"\u062C\u063A\u0644\u0627\u0628\u062F\u0630\u0634\u0641",  //  3 جغلابدذشف
    L"\u062F\u06A9\u0645\u0628\u062C\u0647\u0636\u062A\u0635",  //  4 دکمبجهضتص
    L"\u0647\u0634\u0646\u0632\u062F\u0648\u0638\u062B\u0642",  //  5 هشنزدوظثق
    L"\u0648\u0633\u0633\u062D\u0647\u0632\u0642\u062E\u0631",  //  6 وسسحهزقخر
    L"\u0632\u0646\u0639\u0647\u0648\u062D\u06A9\u0630\u0634",  //  7 زنعهوحکذش
    L"\u062D\u0641\u0641\u0648\u0632\u062D\u0637\u0644\u0636\u062A",  //  8 حففوزحطلضت
    L"\u0637\u0628\u0635\u06A9\u062D\u064A\u0645\u0638\u062B",  //  9 طبصکحيمظث
    L"\u064A\u0635\u0642\u0644\u0637\u06A9\u062B\u0627\u062E",  // 10 يصقلطکثاخ
    L"\u06A9\u062F\u0631\u0637\u064A\u0644\u0632\u0628\u0630",  // 11 کدرطيلزبذ
    L"\u0644\u0630\u0634\u064A\u06A9\u0645\u062D\u062C\u0636",  // 12 لذشيکمحجض
    L"\u0645\u0631\u062A\u0633\u0644\u0646\u0637\u062F\u0638",  // 13 مرتسلنطدظ
    L"\u0646\u0632\u062B\u0639\u0645\u0633\u0627\u0647\u063A",  // 14 نزثعمساهغ
    L"\u0633\u0648\u062E\u0645\u0646\u0639\u063A\u0648\u0627",  // 15 سوخمنعغوا
    L"\u0639\u062B\u0630\u0646\u0633\u0641\u0631\u0632\u0628",  // 16 عثذنسفرزب
    L"\u0641\u062D\u0636\u0642\u0639\u0635\u0634\u062D\u062C",  // 17 فحضقعصشحج
    L"\u0635\u064A\u0638\u0631\u0641\u0642\u062A\u0637\u062F",  // 18 صيظرفقتطد
    L"\u0642\u062E\u0627\u0641\u0635\u0631\u0648\u064A\u0647",  // 19 قخافصرويه
    L"\u0631\u0645\u0628\u0635\u0642\u0634\u0639\u06A9\u0648",  // 20 رمبصقشعکو
    L"\u0634\u0647\u062C\u062B\u0631\u0634\u062A\u0641\u0644\u0632",  // 21 شهجثرشتفلز
    L"\u062A\u0638\u062F\u062E\u0634\u062A\u062B\u0635\u0645\u062D",  // 22 تظدخشتثصمح
    L"\u062B\u0639\u0647\u0634\u062A\u062E\u064A\u0646\u0637",  // 23 ثعهشتخينط
    L"\u062E\u0642\u0648\u062A\u062B\u0630\u0628\u0633\u064A",  // 24 خقوتثذبسي
    L"\u0630\u0644\u0632\u0638\u062E\u0636\u062C\u0639\u06A9",  // 25 ذلزظخضجعک
    L"\u0636\u0627\u062D\u063A\u0630\u0638\u062F\u0641\u0644",  // 26 ضاحغذظدفل
    L"\u0638\u062A\u0637\u0630\u0636\u063A\u0647\u0635\u0645",  // 27 ظتطذضغهصم
    L"\u063A\u062C\u064A\u0636\u0638\u0627\u0633\u0642\u0646",  // 28 غجيضظاسقن
};

// The row whose first character is the letter; empty when no row serves it.
constexpr std::wstring_view SubstitutionRowOf(wchar_t letter) {
    for (const auto row : kSubstitutionRows)
        if (row.front() == letter) return row;
    return {};
}

}  // namespace zarvanta
