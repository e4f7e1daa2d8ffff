#include <windows.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "DialogDriver.h"
#include "ErrorInfo.h"
#include "KxDialog.h"
#include "LateBinding.h"
#include "PrinterObject.h"
#include "PrinterRecords.h"
#include "ScriptObject.h"
#include "TestSupport.h"

namespace kx {
namespace {

using kxtest::DialogDriver;

std::wstring Padded(const std::wstring& text, size_t length = 257) {
    std::wstring padded = text;
    padded.resize(length, L'\0');
    return padded;
}

std::wstring Text(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

class KxDialogTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override {
        dialog_->Release();
        CoUninitialize();
    }
    KxDialog* dialog_ = new KxDialog;
};

// The arguments of one file dialog, owned, handed by reference as a late-bound caller does.
struct FileDialogCall {
    VARIANT_BOOL open = VARIANT_TRUE;
    BSTR fileName = nullptr;
    BSTR filter = nullptr;
    LONG filterIndex = 0;
    BSTR title = nullptr;
    BSTR initialDir = nullptr;
    FileFlag flags = static_cast<FileFlag>(0);
    BSTR result = nullptr;

    FileDialogCall(const std::wstring& name, const std::wstring& filterText, const std::wstring& titleText)
        : fileName(SysAllocString(name.c_str())),
          filter(SysAllocString(filterText.c_str())),
          title(SysAllocString(titleText.c_str())) {}
    ~FileDialogCall() {
        for (BSTR text : {fileName, filter, title, initialDir, result}) SysFreeString(text);
    }
    HRESULT Run(KxDialog* dialog, bool withPreview = false) {
        return withPreview
                   ? dialog->ImageDialog(&open, &fileName, &filter, &filterIndex, &title, &initialDir, &flags, &result)
                   : dialog->FileDialog(&open, &fileName, &filter, &filterIndex, &title, &initialDir, &flags, &result);
    }
};

TEST_F(KxDialogTest, ConfirmedOpenDialogGivesPaddedPathNameFilterAndFlags) {
    kxtest::ScratchFolder folder;
    const std::wstring file = folder.File(L"a.txt");
    std::ofstream(file.c_str()) << "text";
    FileDialogCall call(L"", L"Text (*.txt)|*.txt|All files|*.*", L"kxtest open");
    call.flags = static_cast<FileFlag>(FileMustExist | HideReadOnly);
    DialogDriver driver([&](HWND dialog) {
        kxtest::FillFileName(dialog, file);
        kxtest::PressButton(dialog, IDOK);
    });
    ASSERT_EQ(call.Run(dialog_), S_OK);
    ASSERT_TRUE(driver.Found());
    EXPECT_FALSE(driver.TimedOut());
    wchar_t longPath[MAX_PATH] = {};
    GetLongPathNameW(file.c_str(), longPath, MAX_PATH);
    EXPECT_EQ(_wcsicmp(Text(call.result).c_str(), longPath), 0) << Text(call.result).c_str();
    EXPECT_EQ(SysStringLen(call.result), 257u);
    EXPECT_EQ(Text(call.fileName), Padded(L"a.txt"));
    EXPECT_EQ(Text(call.filter), std::wstring(L"Text (*.txt)\0*.txt\0All files\0*.*\0", 33));
    EXPECT_EQ(call.filterIndex, 1);
    EXPECT_EQ(call.flags & (FileMustExist | HideReadOnly), FileMustExist | HideReadOnly);
}

TEST_F(KxDialogTest, CancelledDialogsGiveThePaddedNameBack) {
    struct Case {
        const wchar_t* label;
        std::wstring fileName;
        bool open;
        bool withPreview;
    };
    const Case cases[] = {
        {L"open", L"name.txt", true, false},
        {L"save", L"name.txt", false, false},
        {L"image", L"picture.bmp", true, true},
        {L"300 characters: the first 257 go in", std::wstring(300, L'x'), true, false},
    };
    for (const Case& c : cases) {
        FileDialogCall call(c.fileName, L"All|*.*", L"kxtest cancel");
        call.open = c.open ? VARIANT_TRUE : VARIANT_FALSE;
        DialogDriver driver([](HWND dialog) { kxtest::PressButton(dialog, IDCANCEL); });
        ASSERT_EQ(call.Run(dialog_, c.withPreview), S_OK) << c.label;
        EXPECT_TRUE(driver.Found()) << c.label;
        const std::wstring expected = Padded(c.fileName.substr(0, 257));
        EXPECT_EQ(Text(call.result), expected) << c.label;
        EXPECT_EQ(Text(call.fileName), expected) << c.label;
        EXPECT_EQ(Text(call.filter), std::wstring(L"All\0*.*\0", 8)) << c.label;
        if (c.withPreview) EXPECT_EQ(call.flags & 0x80020, 0x80020) << c.label;
    }
}

// Colour dialogs: the result, and the sixteen custom colours that every dialog starts again from.
LONG RunColorDialog(KxDialog* dialog, LONG color, int button) {
    DialogDriver driver([button](HWND window) { kxtest::PressButton(window, button); });
    LONG result = 0;
    EXPECT_EQ(dialog->ColorDialog(color, &result), S_OK);
    EXPECT_TRUE(driver.Found());
    return result;
}

std::vector<LONG> CustomColorsOf(KxDialog* dialog) {
    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ(dialog->get_CustomColors(&value), S_OK);
    std::vector<LONG> colors;
    if (value.vt == (VT_ARRAY | VT_I4)) {
        LONG low = 0, high = -1;
        SafeArrayGetLBound(value.parray, 1, &low);
        SafeArrayGetUBound(value.parray, 1, &high);
        EXPECT_EQ(low, 0);
        for (LONG i = low; i <= high; ++i) {
            LONG color = 0;
            SafeArrayGetElement(value.parray, &i, &color);
            colors.push_back(color);
        }
    }
    VariantClear(&value);
    return colors;
}

TEST_F(KxDialogTest, ColorDialogResultsAndCustomColors) {
    EXPECT_EQ(CustomColorsOf(dialog_), std::vector<LONG>{}) << "empty before the first dialog";
    VARIANT stored;
    stored.vt = VT_I4;
    stored.lVal = 7;
    ASSERT_EQ(dialog_->put_CustomColors(stored), S_OK);

    EXPECT_EQ(RunColorDialog(dialog_, 0x336699, IDOK), 0x336699);
    EXPECT_EQ(CustomColorsOf(dialog_), std::vector<LONG>(16, 0));
    EXPECT_EQ(RunColorDialog(dialog_, 0x123456, IDCANCEL), 0x123456) << "a cancel returns the default colour";
    EXPECT_EQ(RunColorDialog(dialog_, static_cast<LONG>(0x8000000F), IDCANCEL), static_cast<LONG>(0x8000000F))
        << "a system colour goes in untranslated";
    EXPECT_EQ(CustomColorsOf(dialog_), std::vector<LONG>(16, 0));
    BSTR message = nullptr;
    ASSERT_EQ(dialog_->get_LastErrorMessage(&message), S_OK);
    EXPECT_EQ(Text(message), L"") << "no failed dialog";
    SysFreeString(message);
}

IFontDisp* NewFont(const wchar_t* name, LONG points) {
    FONTDESC description = {sizeof(FONTDESC), const_cast<LPOLESTR>(name), {{points * 10000, 0}}, FW_NORMAL,
                            ANSI_CHARSET, FALSE, FALSE, FALSE};
    IFontDisp* font = nullptr;
    OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(&font));
    return font;
}

TEST_F(KxDialogTest, FontDialogAdjustsTheFlagsItHandsOn) {
    struct Case {
        LONG flags, min, max, expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0x141},
        {static_cast<LONG>(CF_WYSIWYG), 0, 0, 0x141},
        {CF_EnableHook | CF_UseStyle | CF_TTOnly, 0, 0, 0x141},
        {0, 8, 20, 0x2141},
        {CF_FontShowHelp | CF_NoSimulations, 0, 0, 0x1145},
    };
    IFontDisp* font = NewFont(L"Arial", 10);
    ASSERT_NE(font, nullptr);
    const double size = GetDoubleProperty(font, L"Size");
    for (const Case& c : cases) {
        EFontFlags flags = static_cast<EFontFlags>(c.flags);
        LONG color = 0x0000FF, min = c.min, max = c.max;
        DialogDriver driver([](HWND dialog) { kxtest::PressButton(dialog, IDCANCEL); });
        ASSERT_EQ(dialog_->FontDialog(&font, &color, &min, &max, &flags), S_OK) << c.flags;
        EXPECT_EQ(static_cast<LONG>(flags), c.expected) << c.flags;
        EXPECT_EQ(color, 0x0000FF) << "a cancel keeps the colour";
    }
    EXPECT_DOUBLE_EQ(GetDoubleProperty(font, L"Size"), size) << "a cancel keeps the font";
    font->Release();
}

TEST_F(KxDialogTest, ConfirmedFontDialogWritesTheFontBack) {
    IFontDisp* font = NewFont(L"Arial", 12);
    ASSERT_NE(font, nullptr);
    PutBoolProperty(font, L"Bold", true);
    const double size = GetDoubleProperty(font, L"Size");
    EFontFlags flags = static_cast<EFontFlags>(0);
    LONG color = 0x00FF00, min = 0, max = 0;
    DialogDriver driver([](HWND dialog) { kxtest::PressButton(dialog, IDOK); });
    ASSERT_EQ(dialog_->FontDialog(&font, &color, &min, &max, &flags), S_OK);
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(flags & 0x141, 0x141);
    EXPECT_EQ(color, 0x00FF00);
    EXPECT_NEAR(GetDoubleProperty(font, L"Size"), size, 0.5);
    EXPECT_TRUE(GetBoolProperty(font, L"Bold"));
    EXPECT_FALSE(GetBoolProperty(font, L"Italic"));
    font->Release();
}

TEST_F(KxDialogTest, FontDialogWithoutAFontFailsWithTheRuntimeError) {
    IFontDisp* none = nullptr;
    EFontFlags flags = static_cast<EFontFlags>(0);
    LONG color = 0, min = 0, max = 0;
    EXPECT_EQ(dialog_->FontDialog(&none, &color, &min, &max, &flags), ErrorHResult(91));
}

TEST_F(KxDialogTest, CancelledFolderDialogGivesEmptyText) {
    BSTR title = SysAllocString(L"kxtest folder");
    BrowseFolder flags = kxBIF_RETURNONLYFSDIRS;
    BSTR result = nullptr;
    DialogDriver driver([](HWND dialog) { kxtest::PressButton(dialog, IDCANCEL); });
    ASSERT_EQ(dialog_->FolderDialog(&title, &flags, &result), S_OK);
    EXPECT_TRUE(driver.Found());
    EXPECT_EQ(Text(result), L"");
    SysFreeString(title);
    SysFreeString(result);
}

TEST_F(KxDialogTest, GetDuplexDescribesEveryValue) {
    const std::pair<LONG, const wchar_t*> cases[] = {
        {1, L"Duplex is turned off (1)"},
        {2, L"Duplex is set to VERTICAL (2)"},
        {3, L"Duplex is set to HORIZONTAL (3)"},
        {0, L"Duplex is set to undefined value of 0"},
        {-7, L"Duplex is set to undefined value of -7"},
    };
    for (auto [value, expected] : cases) {
        BSTR text = nullptr;
        ASSERT_EQ(dialog_->GetDuplex(&value, &text), S_OK);
        EXPECT_EQ(Text(text), expected);
        SysFreeString(text);
    }
}

TEST_F(KxDialogTest, XPrinterIsAPrinterObjectThatCanBeReplaced) {
    IDispatch* printer = nullptr;
    ASSERT_EQ(dialog_->get_XPrinter(&printer), S_OK);
    ASSERT_NE(printer, nullptr);
    EXPECT_NO_THROW(GetTextProperty(printer, L"DeviceName"));
    EXPECT_GE(GetLongProperty(printer, L"Copies"), 0);

    PrinterSettings settings;
    settings.deviceName = L"Office Laser";
    IDispatch* replacement = CreatePrinterObject(settings);
    ASSERT_EQ(dialog_->putref_XPrinter(replacement), S_OK);
    IDispatch* current = nullptr;
    ASSERT_EQ(dialog_->get_XPrinter(&current), S_OK);
    EXPECT_EQ(current, replacement);
    current->Release();
    replacement->Release();
    printer->Release();
}

// A printer that is not installed, with names longer than the records' fields: the dialogs fail or are
// cancelled, never block, and leave XPrinter alone.
class MissingPrinterTest : public KxDialogTest {
protected:
    void SetUp() override {
        KxDialogTest::SetUp();
        PrinterSettings settings;
        settings.deviceName = std::wstring(80, L'D');
        settings.driverName = std::wstring(80, L'R');
        settings.port = std::wstring(80, L'P');
        printer_ = CreatePrinterObject(settings);
        ASSERT_EQ(dialog_->putref_XPrinter(printer_), S_OK);
    }
    void TearDown() override {
        IDispatch* current = nullptr;
        EXPECT_EQ(dialog_->get_XPrinter(&current), S_OK);
        EXPECT_EQ(current, printer_);
        if (current) current->Release();
        printer_->Release();
        KxDialogTest::TearDown();
    }
    IDispatch* printer_ = nullptr;
};

TEST_F(MissingPrinterTest, ShowPrinterReturnsFalse) {
    VARIANT_BOOL result = VARIANT_TRUE;
    DialogDriver driver([](HWND dialog) { kxtest::PressButton(dialog, IDCANCEL); });
    PrintDialog flags = kxPD_ALLPAGES;
    ASSERT_EQ(dialog_->ShowPrinter(&flags, &result), S_OK);
    EXPECT_EQ(result, VARIANT_FALSE);
}

TEST_F(MissingPrinterTest, ShowPrinterSetupReturnsFalse) {
    VARIANT_BOOL result = VARIANT_TRUE;
    DialogDriver driver([](HWND dialog) { kxtest::PressButton(dialog, IDCANCEL); });
    PageSetupDLG flags = kxPSD_DEFAULTMINMARGINS;
    ASSERT_EQ(dialog_->ShowPrinterSetup(&flags, &result), S_OK);
    EXPECT_EQ(result, VARIANT_FALSE);
}

// Errors of the late-bound reads of XPrinter fail the call before any dialog opens: Nothing gives 91, a
// script object's own error comes through as it is.
TEST_F(KxDialogTest, PrinterDialogsFailWithTheErrorsOfXPrinter) {
    kxtest::ScriptObject scriptPrinter(kxtest::ScriptObject::Names::ByGetDispIDOnly);
    scriptPrinter.Add(L"DeviceName", 1, [](WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*) {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(L"Script Printer");
        return S_OK;
    });
    scriptPrinter.AddLong(L"Orientation", 2, 1);
    scriptPrinter.AddLong(L"Copies", 3, 1);
    scriptPrinter.Add(L"DriverName", 4, [](WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) { return ErrorHResult(68); });
    const struct {
        const char* name;
        IDispatch* printer;
        int error;
    } cases[] = {{"Nothing", nullptr, 91}, {"a script object whose DriverName fails", &scriptPrinter, 68}};
    for (const auto& c : cases) {
        ASSERT_EQ(dialog_->putref_XPrinter(c.printer), S_OK);
        VARIANT_BOOL result = VARIANT_TRUE;
        PrintDialog printFlags = kxPD_ALLPAGES;
        EXPECT_EQ(dialog_->ShowPrinter(&printFlags, &result), ErrorHResult(c.error)) << c.name;
        PageSetupDLG setupFlags = kxPSD_DEFAULTMINMARGINS;
        EXPECT_EQ(dialog_->ShowPrinterSetup(&setupFlags, &result), ErrorHResult(c.error)) << c.name;
    }
    ASSERT_EQ(dialog_->putref_XPrinter(nullptr), S_OK);
}

TEST(PrinterObjectTest, PropertiesByNameWithoutRegardToCase) {
    PrinterSettings settings;
    settings.deviceName = L"Laser";
    settings.driverName = L"winspool";
    settings.port = L"LPT1:";
    settings.copies = 2;
    IDispatch* printer = CreatePrinterObject(settings);
    EXPECT_EQ(GetTextProperty(printer, L"devicename"), L"Laser");
    EXPECT_EQ(GetTextProperty(printer, L"DRIVERNAME"), L"winspool");
    EXPECT_EQ(GetTextProperty(printer, L"Port"), L"LPT1:");
    EXPECT_EQ(GetLongProperty(printer, L"Copies"), 2);
    PutLongProperty(printer, L"Copies", 3);
    PutLongProperty(printer, L"Duplex", 2);
    PutLongProperty(printer, L"Orientation", 2);
    EXPECT_EQ(GetLongProperty(printer, L"Copies"), 3);
    EXPECT_EQ(GetLongProperty(printer, L"Duplex"), 2);
    EXPECT_EQ(GetLongProperty(printer, L"Orientation"), 2);
    EXPECT_EQ(GetLongProperty(printer, L"hDC"), 0) << "no such printer: no device context";
    try {
        PutTextProperty(printer, L"DeviceName", L"Other");
        ADD_FAILURE() << "the name is read-only";
    } catch (const Error& e) {
        EXPECT_EQ(e.number, 438);
    }
    try {
        GetLongProperty(printer, L"NoSuchMember");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.number, 438);
    }
    printer->Release();
}

TEST(PrinterRecordsTest, DeviceModeNameIsCutOrPaddedWithSpacesTo32Bytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"Laser", "Laser" + std::string(27, ' ')},
        {std::string(40, 'N'), std::string(32, 'N')},
    };
    for (const auto& [name, expected] : cases) {
        const DevModeBlock block = BuildDevMode({name, 2, 3, 1});
        EXPECT_EQ(std::string(block.begin(), block.begin() + 32), expected);
        EXPECT_EQ(block[36] | block[37] << 8, 122);
        EXPECT_EQ(block[40] | block[41] << 8, 0x1101);
        const DevModeFields read = ReadDevMode(block);
        EXPECT_EQ(read.orientation, 2);
        EXPECT_EQ(read.copies, 3);
        EXPECT_EQ(read.duplex, 1);
    }
}

TEST(PrinterRecordsTest, DeviceNamesKeepEveryNameInsideTheBlock) {
    const DevNamesBlock fits = BuildDevNames("winspool", "Laser", "LPT1:");
    EXPECT_EQ(fits[0], 8);
    EXPECT_EQ(fits[2], 8 + 9);
    EXPECT_EQ(fits[4], 8 + 9 + 6);
    EXPECT_EQ(std::string(fits.begin() + 8, fits.begin() + 8 + 21), std::string("winspool\0Laser\0LPT1:\0", 21));
    EXPECT_EQ(fits.back(), ' ') << "padded with spaces";

    const DevNamesBlock cut = BuildDevNames(std::string(60, 'R'), std::string(60, 'D'), std::string(60, 'P'));
    for (size_t offset : {size_t(0), size_t(2), size_t(4)}) {
        const size_t start = cut[offset] | cut[offset + 1] << 8;
        ASSERT_LT(start, cut.size());
        EXPECT_NE(std::find(cut.begin() + start, cut.end(), '\0'), cut.end()) << "each name ends inside the block";
    }
}

}  // namespace
}  // namespace kx
