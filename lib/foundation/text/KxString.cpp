#include "KxString.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "LeadingNumber.h"
#include "LocaleTextComparer.h"
#include "Rounding.h"
#include "StringConversion.h"
#include "StringModule.h"
#include "Text.h"
#include "TextOperations.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxString";
// Characters a repeated replacement may scan over all its passes before it counts as endless.
constexpr size_t kReplaceWorkLimit = size_t(1) << 22;

std::wstring TextOf(const BSTR* text) { return text ? FromBstr(*text) : std::wstring(); }
long ShortOr(const SHORT* value, long fallback) { return value ? *value : fallback; }
bool FlagOr(const VARIANT_BOOL* value, bool fallback) { return value ? *value != VARIANT_FALSE : fallback; }

void StoreText(BSTR* result, const std::wstring& text) { *result = ToBstr(text); }

// Positions and counts of Integer results.
SHORT ToInteger16(size_t value) {
    if (value > 32767) throw Error(kErrOverflow);
    return static_cast<SHORT>(value);
}

size_t CountArgument(long value) {
    if (value < 0) throw Error(kErrInvalidCall);
    return static_cast<size_t>(value);
}

// The text converted in the user's locale; false when it does not convert (not numeric, not a date).
bool ConvertText(const std::wstring& text, VARTYPE type, VARIANT* out) {
    VARIANT source;
    source.vt = VT_BSTR;
    source.bstrVal = ToBstr(text);
    VariantInit(out);
    const HRESULT hr = VariantChangeTypeEx(out, &source, LOCALE_USER_DEFAULT, 0, type);
    VariantClear(&source);
    if (hr == DISP_E_OVERFLOW) throw Error(kErrOverflow);
    if (hr == E_OUTOFMEMORY) throw Error(kErrOutOfMemory);
    return SUCCEEDED(hr);
}

// A numeric text converted to the type; 0 of that type when the text is not numeric.
VARIANT NumericText(const std::wstring& text, VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    VARIANT asText;
    asText.vt = VT_BSTR;
    asText.bstrVal = ToBstr(text);
    const bool numeric = IsNumeric(asText);
    VariantClear(&asText);
    if (numeric && ConvertText(text, type, &value)) return value;
    VARIANT zero;
    zero.vt = VT_I4;
    zero.lVal = 0;
    VariantChangeType(&value, &zero, 0, type);
    return value;
}

std::wstring EncodedAsAnsiText(const std::wstring& text, long codePage) {
    const auto bytes = ToCodePageBytes(text, codePage);
    if (!bytes) throw Error(kErrInvalidCall);
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes->data(), static_cast<int>(bytes->size()), nullptr, 0);
    std::wstring result(size > 0 ? size : 0, L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, bytes->data(), static_cast<int>(bytes->size()), result.data(), size);
    return result;
}

std::wstring DecodedFromAnsiText(const std::wstring& text, long codePage) {
    const auto bytes = ToCodePageBytes(text, 0);
    if (!bytes) throw Error(kErrInvalidCall);
    const auto decoded = FromCodePageBytes(*bytes, codePage);
    if (!decoded) throw Error(kErrInvalidCall);
    return *decoded;
}
}  // namespace

size_t KxString::Occurrence(const std::wstring& find, bool fromEnd, long skip) const {
    const TextComparer& comparer = ComparerForMethod(compareMethod_);
    if (!fromEnd) return FindOccurrence(text_, find, skip + 1, comparer);
    return FindOccurrence(Reversed(text_), Reversed(find), skip + 1, comparer);
}

std::wstring KxString::TextBefore(const std::wstring& find, long skip, bool fromEnd, bool removeText,
                                  bool actualFind) {
    const size_t position = ToInteger16(Occurrence(find, fromEnd, skip));
    if (position == 0) {
        if (actualFind) return {};
        std::wstring whole = text_;
        if (removeText) text_.clear();
        return whole;
    }
    if (!fromEnd) {
        std::wstring before = text_.substr(0, position - 1);
        if (removeText) text_.erase(0, position - 1);
        return before;
    }
    std::wstring after = text_.substr(text_.size() - (position - 1));
    if (removeText) text_.resize(text_.size() - position + 1);
    return after;
}

STDMETHODIMP KxString::get_CompareMethod(LONG* Result) {
    return Guard(kSource, [&] { *Result = compareMethod_; });
}

STDMETHODIMP KxString::put_CompareMethod(LONG Value) {
    return Guard(kSource, [&] { compareMethod_ = Value; });
}

STDMETHODIMP KxString::get_Text(BSTR* Result) {
    return Guard(kSource, [&] { StoreText(Result, text_); });
}

STDMETHODIMP KxString::put_Text(BSTR Value) {
    return Guard(kSource, [&] { text_ = FromBstr(Value); });
}

STDMETHODIMP KxString::ArrayAsc(SHORT* Index, BYTE* Result) {
    return Guard(kSource, [&] {
        *Result = 0;
        const long index = *Index;
        if (index < 1 || static_cast<size_t>(index) > text_.size()) return;
        const std::string code = ToAnsi(text_.substr(index - 1, 1));
        if (code.size() != 1) throw Error(kErrOverflow);  // a double-byte code does not fit a Byte
        *Result = static_cast<BYTE>(code[0]);
    });
}

STDMETHODIMP KxString::FirstIndex(BSTR* FindStr, SHORT* Skip, SHORT* Result) {
    return Guard(kSource, [&] { *Result = ToInteger16(Occurrence(TextOf(FindStr), false, ShortOr(Skip, 0))); });
}

STDMETHODIMP KxString::LastIndex(BSTR* FindStr, SHORT* Skip, SHORT* Result) {
    return Guard(kSource, [&] { *Result = ToInteger16(Occurrence(TextOf(FindStr), true, ShortOr(Skip, 0))); });
}

STDMETHODIMP KxString::FirstToFindText(BSTR* FindStr, SHORT* Skip, VARIANT_BOOL* RemoveText,
                                       VARIANT_BOOL* ActualFind, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result, TextBefore(TextOf(FindStr), ShortOr(Skip, 0), false, FlagOr(RemoveText, false),
                                     FlagOr(ActualFind, false)));
    });
}

STDMETHODIMP KxString::LastToFindText(BSTR* FindStr, SHORT* Skip, VARIANT_BOOL* RemoveText,
                                      VARIANT_BOOL* ActualFind, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result, TextBefore(TextOf(FindStr), ShortOr(Skip, 0), true, FlagOr(RemoveText, false),
                                     FlagOr(ActualFind, false)));
    });
}

STDMETHODIMP KxString::Lower(BSTR* Result) {
    return Guard(kSource, [&] { StoreText(Result, ToLowerText(text_)); });
}

STDMETHODIMP KxString::StrLeft(SHORT* Value, BSTR* Result) {
    return Guard(kSource, [&] { StoreText(Result, text_.substr(0, CountArgument(*Value))); });
}

STDMETHODIMP KxString::TrimLeft(BSTR* Result) {
    return Guard(kSource, [&] {
        const size_t first = text_.find_first_not_of(L' ');
        StoreText(Result, first == std::wstring::npos ? std::wstring() : text_.substr(first));
    });
}

STDMETHODIMP KxString::TextFromTo(SHORT* start, SHORT* Length, BSTR* Result) {
    return Guard(kSource, [&] {
        const long from = *start;
        const size_t count = CountArgument(ShortOr(Length, 0));
        if (from < 1) throw Error(kErrInvalidCall);
        if (static_cast<size_t>(from) > text_.size()) return StoreText(Result, L"");
        StoreText(Result, text_.substr(from - 1, count == 0 ? std::wstring::npos : count));
    });
}

STDMETHODIMP KxString::StrRight(SHORT* Value, BSTR* Result) {
    return Guard(kSource, [&] {
        const size_t count = CountArgument(*Value);
        StoreText(Result, count >= text_.size() ? text_ : text_.substr(text_.size() - count));
    });
}

STDMETHODIMP KxString::TrimRight(BSTR* Result) {
    return Guard(kSource, [&] {
        const size_t last = text_.find_last_not_of(L' ');
        StoreText(Result, last == std::wstring::npos ? std::wstring() : text_.substr(0, last + 1));
    });
}

STDMETHODIMP KxString::TrimAll(BSTR* Result) {
    return Guard(kSource, [&] { StoreText(Result, TrimBlanks(text_)); });
}

STDMETHODIMP KxString::AddString(BSTR* Text, SHORT* Num, kxSDirection* Direction, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring added = Repeated(TextOf(Text), ShortOr(Num, 1));
        const long direction = Direction ? static_cast<long>(*Direction) : static_cast<long>(kxSEnd);
        if (direction == kxSEnd) return StoreText(Result, text_ + added);
        if (direction == kxSStart) return StoreText(Result, added + text_);
        StoreText(Result, L"");
    });
}

STDMETHODIMP KxString::Length(SHORT* Result) {
    return Guard(kSource, [&] { *Result = ToInteger16(text_.size()); });
}

STDMETHODIMP KxString::Upper(BSTR* Result) {
    return Guard(kSource, [&] { StoreText(Result, ToUpperText(text_)); });
}

STDMETHODIMP KxString::InstrAdvanced(BSTR* FindStr, kxSDirection* Position, SHORT* Skip, SHORT* Result) {
    return Guard(kSource, [&] {
        const bool fromEnd = Position && static_cast<long>(*Position) != kxSStart;
        *Result = ToInteger16(Occurrence(TextOf(FindStr), fromEnd, ShortOr(Skip, 0)));
    });
}

STDMETHODIMP KxString::ToNumeric(DOUBLE* Result) {
    return Guard(kSource, [&] {
        const LeadingNumber number = ReadLeadingNumber(text_);
        if (number.overflow) throw Error(kErrOverflow);
        *Result = number.value;
    });
}

STDMETHODIMP KxString::ToCurrency(CY* Result) {
    return Guard(kSource, [&] { *Result = NumericText(text_, VT_CY).cyVal; });
}

STDMETHODIMP KxString::ToDouble(DOUBLE* Result) {
    return Guard(kSource, [&] { *Result = NumericText(text_, VT_R8).dblVal; });
}

STDMETHODIMP KxString::ToInteger(SHORT* Result) {
    return Guard(kSource, [&] { *Result = NumericText(text_, VT_I2).iVal; });
}

STDMETHODIMP KxString::ToLong(LONG* Result) {
    return Guard(kSource, [&] { *Result = NumericText(text_, VT_I4).lVal; });
}

STDMETHODIMP KxString::ToSingle(FLOAT* Result) {
    return Guard(kSource, [&] { *Result = NumericText(text_, VT_R4).fltVal; });
}

STDMETHODIMP KxString::ToDecimal(VARIANT* Result) {
    return Guard(kSource, [&] {
        VariantInit(Result);
        VARIANT asText;
        asText.vt = VT_BSTR;
        asText.bstrVal = ToBstr(text_);
        const bool numeric = IsNumeric(asText);
        VariantClear(&asText);
        VARIANT value;
        if (numeric && ConvertText(text_, VT_DECIMAL, &value)) *Result = value;
    });
}

STDMETHODIMP KxString::ToVariant(VARIANT* Result) {
    return Guard(kSource, [&] {
        VariantInit(Result);
        Result->bstrVal = ToBstr(text_);
        Result->vt = VT_BSTR;
    });
}

STDMETHODIMP KxString::ToDate(DATE* Result) {
    return Guard(kSource, [&] {
        VARIANT value;
        *Result = ConvertText(text_, VT_DATE, &value) ? value.date : 0.0;
    });
}

STDMETHODIMP KxString::FromHex(LONG* Result) {
    return Guard(kSource, [&] {
        const bool marked = text_.size() >= 2 && ToUpperText(text_.substr(0, 2)) == L"&H";
        const LeadingNumber number = ReadLeadingNumber(marked ? text_ : L"&H" + text_);
        if (number.overflow || !FitsInt32(number.value)) throw Error(kErrOverflow);
        *Result = static_cast<LONG>(RoundHalfEven(number.value));
    });
}

STDMETHODIMP KxString::Reverse(BSTR* Result) {
    return Guard(kSource, [&] { StoreText(Result, Reversed(text_)); });
}

STDMETHODIMP KxString::ReplaceText(BSTR* Find, BSTR* RplText, BSTR* Result) {
    return Guard(kSource, [&] {
        const auto replaced = ReplaceUntilGone(text_, TextOf(Find), TextOf(RplText),
                                               ComparerForMethod(compareMethod_), kReplaceWorkLimit);
        if (!replaced) throw Error(kErrInvalidCall);
        StoreText(Result, *replaced);
    });
}

STDMETHODIMP KxString::ReplaceCharInText(BSTR* Find, BSTR* ReplaceText, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result,
                  ReplaceEachChar(text_, TextOf(Find), TextOf(ReplaceText), ComparerForMethod(compareMethod_)));
    });
}

STDMETHODIMP KxString::SortByte(VARIANT_BOOL* Asc, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result, SortChars(text_, FlagOr(Asc, true), ComparerForMethod(compareMethod_)));
    });
}

STDMETHODIMP KxString::Compare(BSTR* Text, kxSCompare* Result) {
    return Guard(kSource, [&] {
        const int order = ComparerForMethod(compareMethod_).Order(text_, TextOf(Text));
        *Result = order < 0 ? kxSLess : order > 0 ? kxSGreater : kxSEqual;
    });
}

STDMETHODIMP KxString::Convert(LONG* Conversion, VARIANT* LocaleID, BSTR* Result) {
    return Guard(kSource, [&] {
        const VARIANT* locale = LocaleID ? &Deref(*LocaleID) : nullptr;
        const bool given = locale && locale->vt != VT_EMPTY &&
                           !(locale->vt == VT_ERROR && locale->scode == DISP_E_PARAMNOTFOUND);
        const std::string bytes = ConvertString(text_, *Conversion, given ? kx::ToLong(*locale) : 0);
        *Result = SysAllocStringByteLen(bytes.data(), static_cast<UINT>(bytes.size()));
        if (!*Result) throw Error(kErrOutOfMemory);
    });
}

STDMETHODIMP KxString::TextEncodeCodePage(kxsCodePages* CodePage, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result, text_.empty() ? std::wstring() : EncodedAsAnsiText(text_, *CodePage));
    });
}

STDMETHODIMP KxString::TextDecodeCodePage(kxsCodePages* CodePage, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result, text_.empty() ? std::wstring() : DecodedFromAnsiText(text_, *CodePage));
    });
}

STDMETHODIMP KxString::CheckStringCodePage(kxsCodePages* CodePage, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        *Result = IsCodePageRepresentable(text_, *CodePage) ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

STDMETHODIMP KxString::FitToWidth(BSTR* Text, LONG* Width, BSTR* FillStr, BSTR* Result) {
    return Guard(kSource, [&] {
        const size_t width = CountArgument(*Width);
        // An omitted FillStr arrives as a null string.
        const std::wstring fill = FillStr && *FillStr ? FromBstr(*FillStr) : std::wstring(L" ");
        std::wstring fitted = TextOf(Text).substr(0, width);
        if (fitted.size() < width) {
            if (fill.empty()) throw Error(kErrInvalidCall);
            fitted.append(width - fitted.size(), fill[0]);
        }
        StoreText(Result, fitted);
    });
}

}  // namespace kx
