#include "KxDialog.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ClassicRuntime.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "ImagePreviewHook.h"
#include "LateBinding.h"
#include "PrinterObject.h"
#include "PrinterRecords.h"
#include "Rounding.h"
#include "Text.h"

namespace kx {

struct FileDialogArguments {
    VARIANT_BOOL* openDialog;
    BSTR* fileName;
    BSTR* filter;
    LONG* filterIndex;
    BSTR* title;
    BSTR* initialDir;
    FileFlag* flags;
    BSTR* result;
};

namespace {

const wchar_t kSource[] = L"Korvix32.kxDialog";

constexpr int kCustomColorCount = 16;
constexpr size_t kFileBufferLength = 257;
constexpr DWORD kMovableZeroed = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr DWORD kPreviewDialogFlags = OFN_EXPLORER | OFN_ENABLEHOOK;
constexpr long kColorBlockNotAllocated = -1;
constexpr long kColorBlockNotLocked = -2;
constexpr long kColorDialogFailed = -3;
constexpr long kFontFlagsKept = 0x7F07;
constexpr int kFaceNameBytes = LF_FACESIZE;

std::wstring TextOf(const BSTR* text) { return text && *text ? FromBstr(*text) : std::wstring(); }
long LongOf(const LONG* value) { return value ? *value : 0; }

// A movable zero-filled block freed when it goes, unless handed on.
class GlobalBlock {
public:
    explicit GlobalBlock(size_t size) : handle_(GlobalAlloc(kMovableZeroed, size)) {}
    ~GlobalBlock() {
        if (handle_) GlobalFree(handle_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL get() const { return handle_; }
    // The dialog may give back another block: this one then owns that one instead.
    void Replace(HGLOBAL handle) {
        if (handle == handle_) return;
        if (handle_) GlobalFree(handle_);
        handle_ = handle;
    }

private:
    HGLOBAL handle_;
};

// Copies bytes into a block when it can be locked.
template <size_t N>
void CopyInto(const GlobalBlock& block, const std::array<uint8_t, N>& bytes) {
    if (void* target = block.get() ? GlobalLock(block.get()) : nullptr) {
        std::memcpy(target, bytes.data(), std::min<size_t>(N, GlobalSize(block.get())));
        GlobalUnlock(block.get());
    }
}

// The first bytes of a block, as many as it holds.
template <size_t N>
std::array<uint8_t, N> CopyFrom(HGLOBAL block) {
    std::array<uint8_t, N> bytes{};
    if (void* source = block ? GlobalLock(block) : nullptr) {
        std::memcpy(bytes.data(), source, std::min<size_t>(N, GlobalSize(block)));
        GlobalUnlock(block);
    }
    return bytes;
}

// A text in the system code page, NUL-padded and cut to exactly `length` bytes.
std::vector<char> FixedAnsiBuffer(const std::wstring& text, size_t length) {
    std::string ansi = ToAnsi(text);
    ansi.resize(length, '\0');
    std::vector<char> buffer(ansi.begin(), ansi.end());
    buffer.push_back('\0');  // a terminator beyond the length the dialog is told
    return buffer;
}

std::wstring FromFixedAnsi(const std::vector<char>& buffer, size_t length) {
    return FromAnsi(std::string(buffer.data(), length));
}

long TwipsPerPixelY() {
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch > 0 ? 1440 / pixelsPerInch : 15;
}

// The LOGFONT of a font object: its size in screen pixels, weight, styles and face name.
LOGFONTA LogFontOf(IDispatch* font, double size) {
    LOGFONTA logFont = {};
    logFont.lfHeight = -static_cast<LONG>(RoundHalfEven(size * 20.0 / TwipsPerPixelY()));
    logFont.lfWeight = GetLongProperty(font, L"Weight");
    logFont.lfItalic = GetBoolProperty(font, L"Italic");
    logFont.lfUnderline = GetBoolProperty(font, L"Underline");
    logFont.lfStrikeOut = GetBoolProperty(font, L"Strikethrough");
    // The face field keeps its last byte for the NUL that ends the name.
    const std::string face = ToAnsi(GetTextProperty(font, L"Name")).substr(0, kFaceNameBytes - 1);
    std::memcpy(logFont.lfFaceName, face.data(), face.size());
    return logFont;
}

void ApplyChosenFont(IDispatch* font, const LOGFONTA& logFont, INT pointSizeTenths) {
    PutBoolProperty(font, L"Bold", logFont.lfWeight >= FW_BOLD);
    PutBoolProperty(font, L"Italic", logFont.lfItalic != 0);
    PutBoolProperty(font, L"Strikethrough", logFont.lfStrikeOut != 0);
    PutBoolProperty(font, L"Underline", logFont.lfUnderline != 0);
    PutLongProperty(font, L"Weight", logFont.lfWeight);
    PutDoubleProperty(font, L"Size", pointSizeTenths / 10.0);
    const char* face = logFont.lfFaceName;
    PutTextProperty(font, L"Name", FromAnsi(std::string(face, strnlen(face, kFaceNameBytes))));
}

// Printer properties that the dialogs may fail on are set with errors ignored.
void PutIgnoringErrors(IDispatch* printer, const wchar_t* name, long value) {
    try {
        PutLongProperty(printer, name, value);
    } catch (const Error&) {
    }
}

long DuplexIgnoringErrors(IDispatch* printer) {
    try {
        return GetLongProperty(printer, L"Duplex");
    } catch (const Error&) {
        return 0;
    }
}

}  // namespace

KxDialog::KxDialog() {
    VariantInit(&customColors_);
    printer_ = CreatePrinterObject(DefaultPrinter());
}

void KxDialog::FinalRelease() {
    if (printer_) printer_->Release();
    printer_ = nullptr;
    VariantClear(&customColors_);
}

STDMETHODIMP KxDialog::get_XPrinter(IDispatch** Value) {
    return Guard(kSource, [&] {
        if (!Value) throw Error(kErrInvalidCall);
        *Value = printer_;
        if (printer_) printer_->AddRef();
    });
}

STDMETHODIMP KxDialog::put_XPrinter(IDispatch* Value) { return putref_XPrinter(Value); }

STDMETHODIMP KxDialog::putref_XPrinter(IDispatch* Value) {
    return Guard(kSource, [&] {
        if (Value) Value->AddRef();
        if (printer_) printer_->Release();
        printer_ = Value;
    });
}

STDMETHODIMP KxDialog::get_CustomColors(VARIANT* Value) {
    return Guard(kSource, [&] {
        if (!Value) throw Error(kErrInvalidCall);
        VariantInit(Value);
        if (FAILED(VariantCopy(Value, &customColors_))) throw Error(kErrOutOfMemory);
    });
}

STDMETHODIMP KxDialog::put_CustomColors(VARIANT Value) {
    return Guard(kSource, [&] {
        VARIANT copy;
        VariantInit(&copy);
        if (FAILED(VariantCopyInd(&copy, &Value))) throw Error(kErrOutOfMemory);
        VariantClear(&customColors_);
        customColors_ = copy;
    });
}

STDMETHODIMP KxDialog::putref_CustomColors(VARIANT Value) { return put_CustomColors(Value); }

STDMETHODIMP KxDialog::get_LastErrorMessage(BSTR* Value) {
    return Guard(kSource, [&] {
        if (!Value) throw Error(kErrInvalidCall);
        *Value = ToBstr(lastErrorMessage_);
    });
}

STDMETHODIMP KxDialog::put_LastErrorMessage(BSTR Value) {
    return Guard(kSource, [&] { lastErrorMessage_ = FromBstr(Value); });
}

void KxDialog::StoreCustomColors(const COLORREF* colors) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, kCustomColorCount);
    if (!array) throw Error(kErrOutOfMemory);
    for (LONG i = 0; i < kCustomColorCount; ++i) {
        LONG color = static_cast<LONG>(colors ? colors[i] : 0);
        SafeArrayPutElement(array, &i, &color);
    }
    VariantClear(&customColors_);
    customColors_.vt = VT_ARRAY | VT_I4;
    customColors_.parray = array;
}

STDMETHODIMP KxDialog::ColorDialog(LONG DefaultColor, LONG* Result) {
    return Guard(kSource, [&] {
        const long defaultColor = DefaultColor;
        StoreCustomColors(nullptr);  // every colour dialog starts with sixteen black custom colours
        GlobalBlock block(kCustomColorCount * sizeof(COLORREF));
        if (!block.get()) {
            *Result = kColorBlockNotAllocated;
            return;
        }
        auto* colors = static_cast<COLORREF*>(GlobalLock(block.get()));
        if (!colors) {
            *Result = kColorBlockNotLocked;
            return;
        }
        CHOOSECOLORA request = {};
        request.lStructSize = sizeof request;
        request.rgbResult = static_cast<COLORREF>(defaultColor);  // as given: no system-colour translation
        request.lpCustColors = colors;
        request.Flags = CC_RGBINIT | CC_FULLOPEN;
        const BOOL chosen = ChooseColorA(&request);
        const DWORD failure = chosen ? 0 : CommDlgExtendedError();
        if (failure) lastErrorMessage_ = std::to_wstring(failure);
        StoreCustomColors(colors);
        GlobalUnlock(block.get());
        *Result = failure ? kColorDialogFailed : static_cast<LONG>(request.rgbResult);
    });
}

void KxDialog::RunFileDialog(const FileDialogArguments& arguments, bool withPreview) {
    std::wstring filter = TextOf(arguments.filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    if (filter.empty() || filter.back() != L'\0') filter += L'\0';
    AssignBstr(arguments.filter, filter);

    const std::wstring fileName = TextOf(arguments.fileName);
    std::vector<char> fileBuffer = FixedAnsiBuffer(fileName, kFileBufferLength);
    std::vector<char> titleBuffer = FixedAnsiBuffer(fileName, kFileBufferLength);
    const std::string ansiFilter = ToAnsi(filter);  // its terminator ends the list
    const std::string initialDir = ToAnsi(TextOf(arguments.initialDir));
    const std::string title = ToAnsi(TextOf(arguments.title));

    OPENFILENAMEA request = {};
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hInstance = ModuleHandle();
    request.lpstrFilter = ansiFilter.c_str();
    request.nFilterIndex = static_cast<DWORD>(LongOf(arguments.filterIndex));
    request.lpstrFile = fileBuffer.data();
    request.nMaxFile = kFileBufferLength - 1;
    request.lpstrFileTitle = titleBuffer.data();
    request.nMaxFileTitle = kFileBufferLength - 1;
    request.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    request.lpstrTitle = title.empty() ? nullptr : title.c_str();
    request.Flags = static_cast<DWORD>(arguments.flags ? *arguments.flags : 0);
    if (withPreview) {
        request.Flags |= kPreviewDialogFlags;
        request.lpfnHook = ImageDialogHookProc;
        PreparePreview();
    }
    const bool open = arguments.openDialog && *arguments.openDialog;
    if (open)
        GetOpenFileNameA(&request);
    else
        GetSaveFileNameA(&request);

    if (arguments.filterIndex) *arguments.filterIndex = static_cast<LONG>(request.nFilterIndex);
    AssignBstr(arguments.fileName, FromFixedAnsi(titleBuffer, kFileBufferLength));
    if (arguments.flags) *arguments.flags = static_cast<FileFlag>(request.Flags);
    *arguments.result = ToBstr(FromFixedAnsi(fileBuffer, kFileBufferLength));
    if (withPreview) ClosePreview();
}

STDMETHODIMP KxDialog::FileDialog(VARIANT_BOOL* OpenDialog, BSTR* FileName, BSTR* Filter, LONG* FilterIndex,
                                  BSTR* Title, BSTR* InitialDir, FileFlag* Flags, BSTR* Result) {
    return Guard(kSource, [&] {
        RunFileDialog({OpenDialog, FileName, Filter, FilterIndex, Title, InitialDir, Flags, Result}, false);
    });
}

STDMETHODIMP KxDialog::ImageDialog(VARIANT_BOOL* OpenDialog, BSTR* FileName, BSTR* Filter, LONG* FilterIndex,
                                   BSTR* Title, BSTR* InitialDir, FileFlag* Flags, BSTR* Result) {
    return Guard(kSource, [&] {
        try {
            RunFileDialog({OpenDialog, FileName, Filter, FilterIndex, Title, InitialDir, Flags, Result}, true);
        } catch (...) {
            ClosePreview();
            throw;
        }
    });
}

bool KxDialog::RunPrinterDialog(long flags, bool pageSetup) {
    DevModeFields mode;
    mode.deviceName = ToAnsi(GetTextProperty(printer_, L"DeviceName"));
    mode.orientation = static_cast<int16_t>(GetLongProperty(printer_, L"Orientation"));
    mode.copies = static_cast<int16_t>(GetLongProperty(printer_, L"Copies"));
    mode.duplex = static_cast<int16_t>(DuplexIgnoringErrors(printer_));
    GlobalBlock devMode(kDevModeBlockSize);
    CopyInto(devMode, BuildDevMode(mode));

    const std::string driver = ToAnsi(GetTextProperty(printer_, L"DriverName"));
    const std::string device = ToAnsi(GetTextProperty(printer_, L"DeviceName"));
    const std::string port = ToAnsi(GetTextProperty(printer_, L"Port"));
    GlobalBlock devNames(kDevNamesBlockSize);
    CopyInto(devNames, BuildDevNames(driver, device, port));
    // Asked after XPrinter was read, so that its errors fail the call. Without any printer the platform's
    // dialogs fail (Wine's page setup divides by zero instead).
    if (InstalledPrinters().empty()) return false;

    BOOL confirmed = FALSE;
    if (pageSetup) {
        PAGESETUPDLGA request = {};
        request.lStructSize = sizeof request;
        request.hDevMode = devMode.get();
        request.hDevNames = devNames.get();
        request.Flags = static_cast<DWORD>(flags);
        confirmed = PageSetupDlgA(&request);
        devMode.Replace(request.hDevMode);
        devNames.Replace(request.hDevNames);
    } else {
        PRINTDLGA request = {};
        request.lStructSize = sizeof request;
        request.hDevMode = devMode.get();
        request.hDevNames = devNames.get();
        request.Flags = static_cast<DWORD>(flags);
        confirmed = PrintDlgA(&request);
        devMode.Replace(request.hDevMode);
        devNames.Replace(request.hDevNames);
        if (request.hDC) DeleteDC(request.hDC);  // asked for but never handed on: not leaked
    }
    if (!confirmed) return false;

    const DevModeFields chosen = ReadDevMode(CopyFrom<kDevModeBlockSize>(devMode.get()));
    const std::wstring chosenName = ToUpperText(FromAnsi(chosen.deviceName));
    if (GetTextProperty(printer_, L"DeviceName") != chosenName) ChoosePrinter(chosenName);
    DoEvents();
    PutIgnoringErrors(printer_, L"Copies", chosen.copies);
    PutIgnoringErrors(printer_, L"Duplex", chosen.duplex);
    PutIgnoringErrors(printer_, L"Orientation", chosen.orientation);
    return true;
}

// The last installed printer whose upper-cased name is the chosen one becomes the printer.
void KxDialog::ChoosePrinter(const std::wstring& upperName) {
    for (const PrinterSettings& settings : InstalledPrinters()) {
        if (ToUpperText(settings.deviceName) != upperName) continue;
        IDispatch* printer = CreatePrinterObject(settings);
        if (printer_) printer_->Release();
        printer_ = printer;
    }
}

STDMETHODIMP KxDialog::ShowPrinter(PrintDialog* PrintFlags, VARIANT_BOOL* Result) {
    return Guard(kSource, [&] {
        *Result = RunPrinterDialog(PrintFlags ? *PrintFlags : 0, false) ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

STDMETHODIMP KxDialog::ShowPrinterSetup(PageSetupDLG* Flags, VARIANT_BOOL* Result) {
    return Guard(kSource,
                 [&] { *Result = RunPrinterDialog(Flags ? *Flags : 0, true) ? VARIANT_TRUE : VARIANT_FALSE; });
}

STDMETHODIMP KxDialog::GetDuplex(LONG* lDuplex, BSTR* Result) {
    return Guard(kSource, [&] {
        const long duplex = LongOf(lDuplex);
        std::wstring text;
        switch (duplex) {
            case 1: text = L"Duplex is turned off (1)"; break;
            case 2: text = L"Duplex is set to VERTICAL (2)"; break;
            case 3: text = L"Duplex is set to HORIZONTAL (3)"; break;
            default: text = L"Duplex is set to undefined value of " + std::to_wstring(duplex); break;
        }
        *Result = ToBstr(text);
    });
}

STDMETHODIMP KxDialog::FontDialog(IFontDisp** Font, LONG* FontColor, LONG* Min, LONG* Max, EFontFlags* Flags) {
    return Guard(kSource, [&] {
        IDispatch* font = Font ? *Font : nullptr;
        long flags = Flags ? *Flags : 0;
        HDC deviceContext = nullptr;
        if (flags & CF_PRINTERFONTS)
            deviceContext = HandleFromLong<HDC>(GetLongProperty(printer_, L"hDC"));
        else
            flags |= CF_SCREENFONTS;
        flags |= CF_EFFECTS;
        if (LongOf(Min) != 0 || LongOf(Max) != 0) flags |= CF_LIMITSIZE;
        flags = (flags & kFontFlagsKept) | CF_INITTOLOGFONTSTRUCT;
        if (Flags) *Flags = static_cast<EFontFlags>(flags);

        const double size = GetDoubleProperty(font, L"Size");
        LOGFONTA logFont = LogFontOf(font, size);
        CHOOSEFONTA request = {};
        request.lStructSize = sizeof request;
        request.hDC = deviceContext;
        request.lpLogFont = &logFont;
        request.iPointSize = static_cast<INT>(RoundHalfEven(size * 10.0));
        request.Flags = static_cast<DWORD>(flags);
        request.rgbColors = static_cast<COLORREF>(LongOf(FontColor));
        request.nSizeMin = static_cast<INT>(LongOf(Min));
        request.nSizeMax = static_cast<INT>(LongOf(Max));
        if (!ChooseFontA(&request)) return;
        if (Flags) *Flags = static_cast<EFontFlags>(request.Flags);
        if (FontColor) *FontColor = static_cast<LONG>(request.rgbColors);
        ApplyChosenFont(font, logFont, request.iPointSize);
    });
}

STDMETHODIMP KxDialog::FolderDialog(BSTR* Title, BrowseFolder* Flags, BSTR* Result) {
    return Guard(kSource, [&] {
        const std::string title = ToAnsi(TextOf(Title));
        BROWSEINFOA request = {};
        request.lpszTitle = title.c_str();
        request.ulFlags = static_cast<UINT>(Flags ? *Flags : 3);
        std::wstring folder;
        if (LPITEMIDLIST item = SHBrowseForFolderA(&request)) {
            char path[MAX_PATH] = {};
            // An item without a file-system path (a virtual folder) gives empty text.
            if (SHGetPathFromIDListA(item, path)) folder = FromAnsi(std::string(path, strnlen(path, MAX_PATH)));
            CoTaskMemFree(item);
        }
        *Result = ToBstr(folder);
    });
}

}  // namespace kx
