#include "KxFunctions.h"

#include <olectl.h>

#include <algorithm>
#include <vector>

#include "ClassicRuntime.h"
#include "DrawingModule.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "LateBinding.h"
#include "LeadingNumber.h"
#include "Text.h"
#include "TextOperations.h"

namespace kx {
namespace {
constexpr const wchar_t* kSource = L"Korvix32.kxFunctions";
constexpr int kErrInvalidUseOfNull = 94;
constexpr BYTE kArabicCharset = 178;
constexpr size_t kReplaceWorkLimit = size_t(1) << 22;

std::wstring TextOf(const BSTR* text) { return text ? FromBstr(*text) : std::wstring(); }
// An omitted separator arrives as a null string.
std::wstring SeparatorOf(const BSTR* spr) { return spr && *spr ? FromBstr(*spr) : std::wstring(L";"); }
bool FlagOr(const VARIANT_BOOL* value, bool fallback) { return value ? *value != VARIANT_FALSE : fallback; }
IDispatch* ObjectOf(IDispatch** object) { return object ? *object : nullptr; }
void StoreText(BSTR* result, const std::wstring& text) { *result = ToBstr(text); }
void SetOutput(LONG* target, long value) {
    if (target) *target = value;
}

SHORT ToInteger16(size_t value) {
    if (value > 32767) throw Error(kErrOverflow);
    return static_cast<SHORT>(value);
}

// A font object of the platform, with one reference owned by this holder.
class FontObject {
public:
    FontObject() {
        FONTDESC description = {sizeof(FONTDESC), const_cast<LPOLESTR>(L"MS Sans Serif"), {80000}, FW_NORMAL,
                                DEFAULT_CHARSET, FALSE, FALSE, FALSE};
        if (FAILED(OleCreateFontIndirect(&description, IID_IFont, reinterpret_cast<void**>(&font_))))
            throw Error(kErrOutOfMemory);
    }
    ~FontObject() { font_->Release(); }
    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;
    IFont* operator->() const { return font_; }
    IFont* get() const { return font_; }

    void SetName(const std::wstring& name) {
        BSTR text = ToBstr(name);
        font_->put_Name(text);
        SysFreeString(text);
    }
    std::wstring Name() const {
        BSTR text = nullptr;
        font_->get_Name(&text);
        std::wstring name = FromBstr(text);
        SysFreeString(text);
        return name;
    }

private:
    IFont* font_ = nullptr;
};

// The character set of the user's default locale, from its font signature.
BYTE LocaleCharset() {
    LOCALESIGNATURE signature = {};
    const int read = GetLocaleInfoW(GetUserDefaultLCID(), LOCALE_FONTSIGNATURE, reinterpret_cast<LPWSTR>(&signature),
                                    sizeof(signature) / sizeof(WCHAR));
    if (read < 1) return kArabicCharset;
    DWORD codePages[2] = {signature.lsCsbDefault[0], 0};
    CHARSETINFO info = {};
    if (!TranslateCharsetInfo(codePages, &info, TCI_SRCFONTSIG)) return 0;
    return static_cast<BYTE>(info.ciCharset);
}

short UserCharsetFor(const std::wstring& fontName) {
    const BYTE charset = LocaleCharset();
    FontObject font;
    font.SetName(fontName);
    font->put_Charset(charset);
    return ToUpperText(font.Name()) == ToUpperText(fontName) ? charset : 0;
}

// Sets the size from its text, converted in the user's locale as the font object would.
void SetFontSize(IFont* font, const std::wstring& sizeText) {
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = ToBstr(sizeText);
    VARIANT size;
    VariantInit(&size);
    const HRESULT hr = VariantChangeTypeEx(&size, &text, LOCALE_USER_DEFAULT, 0, VT_CY);
    VariantClear(&text);
    if (hr == DISP_E_OVERFLOW) throw Error(kErrOverflow);
    if (FAILED(hr)) throw Error(kErrTypeMismatch);
    if (FAILED(font->put_Size(size.cyVal))) throw Error(380);
}

// The text of a list or combo box's List(index).
std::wstring ListEntry(IDispatch* list, long index) {
    OwnedVariant entry;
    GetProperty(list, L"List", index, entry);
    return ToText(*entry);
}

// Text and its length as the runtime sees them when comparing a value with Empty.
bool IsZeroValue(const VARIANT& value);

bool IsZeroObject(IDispatch* object) {
    OwnedVariant value;
    GetDefaultValue(object, value);
    return IsZeroValue(*value);
}

// A value equal to Empty under the automation comparison: a zero number, "", False, the zero date.
bool IsZeroValue(const VARIANT& value) {
    const VARIANT& v = Deref(value);
    switch (v.vt) {
        case VT_EMPTY: return true;
        case VT_NULL: return false;
        case VT_BSTR: return SysStringLen(v.bstrVal) == 0;
        case VT_DISPATCH: return IsZeroObject(v.pdispVal);
        case VT_ERROR: case VT_UNKNOWN: return false;
        default: {
            VARIANT number;
            VariantInit(&number);
            if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&v), 0, VT_R8))) return false;
            return number.dblVal == 0;
        }
    }
}

bool KeepsZero(VARTYPE type) {
    switch (type) {
        case VT_UI1: case VT_I2: case VT_I4: case VT_CY: case VT_R8: case VT_R4: case VT_DECIMAL: return true;
        default: return false;
    }
}

VARIANT Copy(const VARIANT& value) {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopyInd(&copy, const_cast<VARIANT*>(&value));
    return copy;
}

VARIANT EmptyText() {
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = ToBstr(L"");
    return text;
}

bool IsMissing(const VARIANT* value) {
    return !value || (Deref(*value).vt == VT_ERROR && Deref(*value).scode == DISP_E_PARAMNOTFOUND);
}

std::wstring TextOfValue(const VARIANT& value) {
    if (value.vt == VT_NULL) throw Error(kErrInvalidUseOfNull, L"Invalid use of Null");
    VARIANT text;
    VariantInit(&text);
    const HRESULT hr = VariantChangeTypeEx(&text, const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT,
                                           VARIANT_ALPHABOOL, VT_BSTR);
    if (FAILED(hr)) throw Error(kErrTypeMismatch);
    std::wstring result = FromBstr(text.bstrVal);
    VariantClear(&text);
    return result;
}

double LeadingNumberOf(const VARIANT& value) {
    const LeadingNumber number = ReadLeadingNumber(TextOfValue(value));
    if (number.overflow) throw Error(kErrOverflow);
    return number.value;
}

VARIANT Converted(const VARIANT& value, VARTYPE type) {
    if (value.vt == VT_NULL) throw Error(kErrInvalidUseOfNull, L"Invalid use of Null");
    VARIANT out;
    VariantInit(&out);
    const HRESULT hr = VariantChangeTypeEx(&out, const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT, 0, type);
    if (hr == DISP_E_OVERFLOW) throw Error(kErrOverflow);
    if (FAILED(hr)) throw Error(kErrTypeMismatch);
    return out;
}

VARIANT Double(double number) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = number;
    return v;
}

// The value in the form the return style asks for; v is consumed.
VARIANT Styled(VARIANT v, long style) {
    VARIANT out;
    VariantInit(&out);
    switch (style) {
        case kxReturnString: out.vt = VT_BSTR; out.bstrVal = ToBstr(TextOfValue(v)); break;
        case kxNumeric: out = Double(LeadingNumberOf(v)); break;
        case kxDate: out = Converted(v, VT_DATE); break;
        case kxBoolean:
            if (IsNumeric(v)) {
                out.vt = VT_BOOL;
                out.boolVal = LeadingNumberOf(v) != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            } else {
                out = Converted(v, VT_BOOL);
            }
            break;
        case kxListItem:
            if (v.vt == VT_NULL || IsZeroValue(v)) {
                out.vt = VT_I2;
                out.iVal = -1;
            } else {
                out = Double(LeadingNumberOf(v));
            }
            break;
        default: return v;
    }
    VariantClear(&v);
    return out;
}

// The element indexes 1 .. upper bound of a one-dimensional String array, as pointers into its data.
class StringArrayAccess {
public:
    explicit StringArrayAccess(SAFEARRAY* array) : array_(array) {
        if (!array || SafeArrayGetDim(array) != 1) throw Error(kErrSubscript);
        VARTYPE type = VT_EMPTY;
        if (FAILED(SafeArrayGetVartype(array, &type)) || type != VT_BSTR) throw Error(kErrTypeMismatch);
        lower_ = array->rgsabound[0].lLbound;
        upper_ = lower_ + static_cast<long>(array->rgsabound[0].cElements) - 1;
        if (FAILED(SafeArrayAccessData(array, reinterpret_cast<void**>(&data_)))) throw Error(kErrTypeMismatch);
    }
    ~StringArrayAccess() { SafeArrayUnaccessData(array_); }
    StringArrayAccess(const StringArrayAccess&) = delete;
    StringArrayAccess& operator=(const StringArrayAccess&) = delete;

    long upper() const { return upper_; }
    BSTR* At(long index) const {
        if (index < lower_ || index > upper_) throw Error(kErrSubscript);
        return data_ + (index - lower_);
    }

private:
    SAFEARRAY* array_;
    BSTR* data_ = nullptr;
    long lower_ = 0, upper_ = -1;
};

std::wstring_view ViewOf(BSTR text) { return std::wstring_view(text ? text : L"", text ? SysStringLen(text) : 0); }

// Normal files only, as a directory listing of the pattern with the normal attribute shows them.
std::vector<std::wstring> NormalFilesMatching(const std::wstring& pattern) {
    std::vector<std::wstring> files;
    const size_t cut = pattern.find_last_of(L"\\/:");
    const std::wstring folder = cut == std::wstring::npos ? std::wstring() : pattern.substr(0, cut + 1);
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return files;
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        if (!(data.dwFileAttributes & excluded)) files.push_back(folder + data.cFileName);
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return files;
}

}  // namespace

STDMETHODIMP KxFunctions::SortArr(SAFEARRAY** ArrName, VARIANT_BOOL* Asc) {
    return Guard(kSource, [&] {
        StringArrayAccess array(ArrName ? *ArrName : nullptr);
        const long upper = array.upper();
        if (upper < 2) return;  // nothing to compare from index 1 on
        BSTR* first = array.At(1);
        array.At(upper);
        const bool ascending = FlagOr(Asc, true);
        // A stable sort puts the elements in the order a full bubble sort gives, in n log n.
        std::stable_sort(first, first + upper, [&](BSTR a, BSTR b) {
            const int order = BinaryComparison().Order(ViewOf(a), ViewOf(b));
            return ascending ? order < 0 : order > 0;
        });
    });
}

STDMETHODIMP KxFunctions::FindInComboBox(IDispatch** cmb) {
    return Guard(kSource, [&] {
        IDispatch* combo = ObjectOf(cmb);
        const std::wstring typed = GetTextProperty(combo, L"Text");
        if (typed.empty()) return;
        const long count = GetLongProperty(combo, L"ListCount");
        for (long i = 0; i < count; ++i) {
            const std::wstring text = ListEntry(combo, i);
            if (text.compare(0, typed.size(), typed) != 0 || text.size() < typed.size()) continue;
            PutLongProperty(combo, L"ListIndex", i);
            PutLongProperty(combo, L"SelStart", static_cast<long>(typed.size()));
            const long completed = static_cast<long>(GetTextProperty(combo, L"Text").size());
            PutLongProperty(combo, L"SelLength", completed - static_cast<long>(typed.size()));
            return;
        }
    });
}

STDMETHODIMP KxFunctions::GetStrBegin(BSTR* strMaster, BSTR* FindString, VARIANT_BOOL* RemoveFromMaster,
                                      BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring master = TextOf(strMaster), separator = TextOf(FindString);
        const size_t position = FindPosition(master, separator, 1, BinaryComparison());
        const bool remove = FlagOr(RemoveFromMaster, true);
        if (position == 0) {
            StoreText(Result, master);
            if (remove) AssignBstr(strMaster, L"");
            return;
        }
        StoreText(Result, master.substr(0, position - 1));
        if (remove) AssignBstr(strMaster, master.substr(position - 1 + separator.size()));
    });
}

STDMETHODIMP KxFunctions::MakeFont(BSTR* SFont, IDispatch** Object) {
    return Guard(kSource, [&] {
        std::wstring description = TextOf(SFont);
        if (description.empty() || description.back() != L',') description += L',';
        const size_t nameEnd = description.find(L',');
        FontObject font;
        font.SetName(description.substr(0, nameEnd));
        font->put_Charset(UserCharsetFor(font.Name()));
        const std::wstring rest = description.substr(nameEnd + 1);
        SetFontSize(font.get(), rest.substr(0, rest.find(L',')));
        const std::wstring flags = L"," + rest;  // the flags follow the size, each between commas
        font->put_Bold(flags.find(L",B,") != std::wstring::npos);
        font->put_Italic(flags.find(L",I,") != std::wstring::npos);
        font->put_Underline(flags.find(L",U,") != std::wstring::npos);
        font->put_Strikethrough(flags.find(L",S,") != std::wstring::npos);
        IDispatch* fontDispatch = nullptr;
        if (FAILED(font->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&fontDispatch))))
            throw Error(kErrTypeMismatch);
        try {
            PutPropertyRef(ObjectOf(Object), L"Font", fontDispatch);
        } catch (...) {
            fontDispatch->Release();
            throw;
        }
        fontDispatch->Release();
    });
}

STDMETHODIMP KxFunctions::GetUserCharset(BSTR* FontName, SHORT* Result) {
    return Guard(kSource, [&] { *Result = UserCharsetFor(TextOf(FontName)); });
}

STDMETHODIMP KxFunctions::GetListIndex(BSTR* FindStr, BSTR* ListIndex, BSTR* Spr, SHORT* Result) {
    return Guard(kSource, [&] {
        const std::wstring list = TextOf(ListIndex), separator = SeparatorOf(Spr);
        const size_t position = FindPosition(list, TextOf(FindStr), 1, BinaryComparison());
        size_t count = 0;
        for (size_t i = 1; i + 1 <= position; ++i)
            if (list.compare(i - 1, separator.size(), separator) == 0) ++count;
        *Result = ToInteger16(count);
    });
}

STDMETHODIMP KxFunctions::GetItemList(SHORT* Index, BSTR* LisIndex, BSTR* Spr, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::wstring separator = SeparatorOf(Spr);
        std::wstring list = TextOf(LisIndex);
        if (list.size() < separator.size() || list.compare(list.size() - separator.size(), separator.size(), separator))
            list += separator;
        size_t position = 1;
        for (long i = 0; i < *Index; ++i) {
            const size_t next = FindPosition(list, separator, position, BinaryComparison());
            if (next == 0) return StoreText(Result, L"");
            position = next + separator.size();
        }
        const size_t end = FindPosition(list, separator, position, BinaryComparison());
        StoreText(Result, end == 0 ? std::wstring() : list.substr(position - 1, end - position));
    });
}

STDMETHODIMP KxFunctions::KillFileName(BSTR* FileName) {
    return Guard(kSource, [&] {
        for (const std::wstring& file : NormalFilesMatching(TextOf(FileName))) {
            if (DeleteFileW(file.c_str())) continue;
            throw Error(GetLastError() == ERROR_SHARING_VIOLATION ? kErrPermissionDenied : 75);
        }
    });
}

STDMETHODIMP KxFunctions::ReplaceStr(BSTR* Text, BSTR* Find, BSTR* ReplaceText, BSTR* Result) {
    return Guard(kSource, [&] {
        const auto replaced =
            ReplaceUntilGone(TextOf(Text), TextOf(Find), TextOf(ReplaceText), BinaryComparison(), kReplaceWorkLimit);
        if (!replaced) throw Error(kErrInvalidCall);
        StoreText(Result, *replaced);
    });
}

STDMETHODIMP KxFunctions::ReplaceCharInStr(BSTR* Text, BSTR* Find, BSTR* ReplaceText, BSTR* Result) {
    return Guard(kSource, [&] {
        StoreText(Result, ReplaceEachChar(TextOf(Text), TextOf(Find), TextOf(ReplaceText), BinaryComparison()));
    });
}

STDMETHODIMP KxFunctions::GetObjectListIndex(IDispatch** obj, BSTR* Text, VARIANT_BOOL* CaseSensetive,
                                             SHORT* Result) {
    return Guard(kSource, [&] {
        IDispatch* list = ObjectOf(obj);
        const bool exact = FlagOr(CaseSensetive, false);
        const std::wstring wanted = exact ? TextOf(Text) : ToUpperText(TextOf(Text));
        const long count = GetLongProperty(list, L"ListCount");
        *Result = -1;
        for (long i = 0; i < count; ++i) {
            const std::wstring text = ListEntry(list, i);
            if ((exact ? text : ToUpperText(text)) == wanted) {
                *Result = ToInteger16(static_cast<size_t>(i));
                return;
            }
        }
    });
}

STDMETHODIMP KxFunctions::ChangeNullEmpty(VARIANT* fld, VARIANT* DefValue, kxReturnStyle* ReturnStyle,
                                          VARIANT* Result) {
    return Guard(kSource, [&] {
        static const VARIANT kEmpty = {};
        const VARIANT& field = Deref(fld ? *fld : kEmpty);
        const VARIANT fallback = IsMissing(DefValue) ? EmptyText() : Copy(*DefValue);
        VARIANT v;
        if (field.vt == VT_NULL || field.vt == VT_EMPTY || (IsZeroValue(field) && !KeepsZero(field.vt)))
            v = fallback;
        else {
            v = Copy(field);
            VARIANT unused = fallback;
            VariantClear(&unused);
        }
        *Result = Styled(v, ReturnStyle ? static_cast<long>(*ReturnStyle) : static_cast<long>(kxAutomatic));
    });
}

STDMETHODIMP KxFunctions::Wait(FLOAT* tSecond, VARIANT_BOOL* BlockCPU) {
    return Guard(kSource, [&] { kx::Wait(*tSecond, FlagOr(BlockCPU, false)); });
}

STDMETHODIMP KxFunctions::TextLineInfo(IDispatch** TextObject, LONG* CurrentLine, LONG* CurrentLineLen,
                                       LONG* FirstLinePos, LONG* CurrentCol, LONG* LineCount, BSTR* Result) {
    return Guard(kSource, [&] {
        IDispatch* box = ObjectOf(TextObject);
        const long selectionLength = GetLongProperty(box, L"SelLength");
        const long position = GetLongProperty(box, L"SelStart") + selectionLength;
        const HWND window = HandleFromLong<HWND>(GetLongProperty(box, L"Hwnd"));
        const long line = static_cast<long>(SendMessageA(window, EM_LINEFROMCHAR, position, 0));
        const long lineLength = static_cast<long>(SendMessageA(window, EM_LINELENGTH, position, 0));
        const long lineStart = static_cast<long>(SendMessageA(window, EM_LINEINDEX, line, 0));
        const long lines = static_cast<long>(SendMessageA(window, EM_GETLINECOUNT, 0, 0));
        SetOutput(CurrentLine, line);
        SetOutput(CurrentLineLen, lineLength);
        SetOutput(FirstLinePos, lineStart);
        SetOutput(CurrentCol, position - lineStart);
        SetOutput(LineCount, lines);
        StoreText(Result, L"Ln " + std::to_wstring(line + 1) + L" of " + std::to_wstring(lines) + L", Col " +
                              std::to_wstring(position - lineStart) + L", SL " + std::to_wstring(selectionLength) +
                              L" ");
    });
}

}  // namespace kx
