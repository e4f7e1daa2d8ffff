#include "EventCases.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <olectl.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "GifWriter.h"
#include "KeyboardInput.h"
#include "LifetimeSupport.h"
#include "ProcessWindows.h"
#include "RecordSourceCommand.h"
#include "RiffWriter.h"

namespace kxtest {
namespace {

void WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void Put(IDispatch* control, const wchar_t* name, VARIANT value) {
    EXPECT_EQ(S_OK, PutProperty(control, name, value)) << Narrow(name);
    VariantClear(&value);
}

void Call(IDispatch* control, const wchar_t* name, std::vector<VARIANT> args = {}) {
    VARIANT result;
    VariantInit(&result);
    std::string error;
    EXPECT_EQ(S_OK, CallMember(control, name, DISPATCH_METHOD, args, &result, &error)) << Narrow(name) << ": " << error;
    VariantClear(&result);
    for (VARIANT& arg : args) VariantClear(&arg);
}

// The first visible window below parent of the class.
HWND Descendant(HWND parent, const wchar_t* windowClass) {
    struct Search {
        const wchar_t* windowClass;
        HWND found;
    } search = {windowClass, nullptr};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM param) CALLBACK -> BOOL {
            auto* search = reinterpret_cast<Search*>(param);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (lstrcmpiW(name, search->windowClass) != 0 || !IsWindowVisible(window)) return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void BringForward(HWND window) {
    const HWND root = GetAncestor(window, GA_ROOT);
    SetWindowPos(root, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow(root);
    PumpMessages(20);
}

void ClickAt(HWND window, int x, int y) {
    BringForward(window);
    POINT at = {x, y};
    ClientToScreen(window, &at);
    SendLeftClickAt(at.x, at.y);
}

// Types into the control's text box (its EDIT child) with the real keyboard.
void TypeIntoBox(HWND control, const std::wstring& text) {
    const HWND box = Descendant(control, L"EDIT");
    BringForward(control);
    SetFocus(box ? box : control);
    PumpMessages(20);
    TypeText(text);
}

void TypeDigit(HWND control, IDispatch*) { TypeIntoBox(control, L"5"); }

// The tray's callback arrives as a mouse move whose X is the icon's message.
void PressTrayIcon(HWND control, IDispatch*) { PostMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDOWN, 0)); }

void PrepareAlert(IDispatch* alert, const std::wstring&) {
    Put(alert, L"TextButton1", Text(L"OK"));
    Put(alert, L"TimeToShow", Double(0.2));
    Put(alert, L"TimeToClose", Long(30));
}

void ShowAlertAndPressItsButton(HWND, IDispatch* alert) {
    Call(alert, L"Show", {Text(L"Saved")});
    const HWND shown = SettledAlertWindow();
    if (const HWND button = shown ? Descendant(shown, L"KxControlWindow") : nullptr) ClickCentre(button);
}

// Five, then Enter twice: the second Enter asks the host for the value.
void AddInTheReadout(HWND control, IDispatch*) {
    TypeIntoBox(control, L"5");
    PressKey(VK_RETURN);
    PressKey(VK_RETURN);
}

// The numeric input's calculator dropped down: three added and confirmed, which writes the sum back.
void AddInTheDroppedCalculator(HWND control, IDispatch* number) {
    BringForward(control);
    Call(number, L"ShowComboCalc");
    PumpMessages(100);
    TypeText(L"+3");
    PressKey(VK_RETURN);
    PressKey(VK_RETURN);
}

void PrepareAnimation(IDispatch* player, const std::wstring& folder) {
    GifSpec spec;
    spec.width = spec.height = 8;
    spec.globalTable = {0, 0, 0, 200, 30, 60, 20, 160, 40, 10, 20, 230};
    spec.globalSizeCode = 1;
    for (int i = 0; i < 3; ++i) {
        GifFrameSpec frame;
        frame.width = frame.height = 8;
        frame.indexes.assign(64, static_cast<uint8_t>(1 + i));
        frame.minCodeSize = 2;
        frame.graphicControl = true;
        frame.delay = 2;
        spec.frames.push_back(frame);
    }
    const std::wstring path = folder + L"\\anim.gif";
    WriteFileBytes(path, WriteGif(spec));
    Call(player, L"Init", {Text(path.c_str())});
}

void Play(HWND, IDispatch* player) { Call(player, L"GifPlay"); }

// The host steps the decoder itself: the frame's events come inside its call.
void StepToTheNextFrame(HWND, IDispatch* player) { Call(player, L"MoveNext"); }

void PrepareWave(IDispatch* media, const std::wstring& folder) {
    const std::wstring path = folder + L"\\two.wav";
    WriteFileBytes(path, WaveFile(2));
    Put(media, L"FileName", Text(path.c_str()));
}

void PlayMedia(HWND, IDispatch* media) { Call(media, L"mPlay"); }

// Vertical by default: the arrow at the bottom adds SmallChange to the value.
void PressLowerArrow(HWND control, IDispatch*) {
    RECT client = {};
    GetClientRect(control, &client);
    ClickAt(control, client.right / 2, client.bottom - 4);
}

void PrepareFolder(IDispatch* browser, const std::wstring& folder) {
    CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
    Put(browser, L"Path", Text(folder.c_str()));
}

// The only item (the folder "sub") chosen and opened with Enter in the list.
void OpenTheSubfolder(HWND control, IDispatch*) {
    const HWND list = Descendant(control, L"SysListView32");
    LVITEMW item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    BringForward(control);
    SetFocus(list);
    PumpMessages(20);
    PressKey(VK_RETURN);
}

// A network of many servers, walked with DoEvents between them.
void PrepareNetwork(IDispatch* browser, const std::wstring& folder) {
    const std::wstring path = folder + L"\\network.txt";
    std::string text = "domain BIG\n";
    for (int i = 0; i < 400; ++i) text += "  server \\\\S" + std::to_string(1000 + i) + "\n";
    WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", path.c_str());
    Put(browser, L"Path", Text(L"C:\\"));
}

// The host sends the control to the network; the filter box's choice, queued first, comes during the walk.
void ChooseAFilterDuringTheWalk(HWND control, IDispatch* browser) {
    HWND filter = nullptr;
    for (HWND child = GetWindow(control, GW_CHILD); child && !filter; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (lstrcmpiW(name, L"ComboBox") == 0) filter = child;
    }
    PostMessageW(control, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(filter), CBN_SELCHANGE), reinterpret_cast<LPARAM>(filter));
    Put(browser, L"Path", Text(L"\\\\"));
    SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", nullptr);
}

void ClickCentreOf(HWND control, IDispatch*) { ClickCentre(control); }

// The real pointer from outside the control to its centre.
void MovePointerOver(HWND control, IDispatch*) {
    BringForward(control);
    RECT bounds = {};
    GetWindowRect(control, &bounds);
    MovePointerTo({bounds.left - 20, bounds.top - 20});
    PumpMessages(50);
    MovePointerTo({(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
}

// Over the control, and away from it again once the control has seen it come.
void MovePointerOverAndAway(HWND control, IDispatch* dispatch) {
    RECT bounds = {};
    GetWindowRect(control, &bounds);
    MovePointerOver(control, dispatch);
    PumpMessages(300);
    MovePointerTo({bounds.left - 20, bounds.top - 20});
}

// Four people keyed by Id, shown by Name.
void PrepareRecordSource(IDispatch* combo, const std::wstring&) {
    Put(combo, L"KeyField", Text(L"Id"));
    Put(combo, L"ShowField", Text(L"Name"));
    EXPECT_EQ(L"  source done", SetRecordSource(combo, L"people 1500"));
}

// The grid dropped down and its first row clicked, which writes the row's key into the box.
void PickTheGridsFirstRow(HWND control, IDispatch* combo) {
    BringForward(control);
    Call(combo, L"ShowComboCombo");
    HWND list = nullptr;
    PumpUntil([&] {
        for (HWND window : ProcessWindows())
            if (!list) list = Descendant(window, WC_LISTVIEWW);
        return list != nullptr && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0;
    }, 5000);
    ASSERT_NE(nullptr, list) << "the grid did not drop down";
    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    ClickAt(list, (row.left + row.right) / 2, (row.top + row.bottom) / 2);
}

}  // namespace

HWND VisibleDescendant(HWND parent, const wchar_t* windowClass) { return Descendant(parent, windowClass); }

void ClickCentre(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    ClickAt(window, client.right / 2, client.bottom / 2);
}

HWND SettledAlertWindow() {
    RECT last = {};
    int still = 0;
    for (int i = 0; i < 500; ++i) {
        HWND found = nullptr;
        for (HWND window : ProcessWindows()) {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (lstrcmpW(name, L"KxAlertWindow") == 0 && IsWindowVisible(window)) found = window;
        }
        if (found) {
            RECT now = {};
            GetWindowRect(found, &now);
            still = EqualRect(&now, &last) ? still + 1 : 0;
            last = now;
            if (still >= 5) return found;
        }
        PumpMessages(20);
    }
    return nullptr;
}

const std::vector<EventCase>& EventCases() {
    static const std::vector<EventCase> cases = {
        {"kxButton_Click", "kxButton", DISPID_CLICK, nullptr, ClickCentreOf},
        {"kxButton_MouseEnter", "kxButton", 1, nullptr, MovePointerOver, true},
        {"kxButton_MouseLeave", "kxButton", 2, nullptr, MovePointerOverAndAway, true},
        {"kxLabel_Click", "kxLabel", DISPID_CLICK, nullptr, ClickCentreOf},
        {"kxFrame_Click", "kxFrame", DISPID_CLICK, nullptr, ClickCentreOf},
        {"kxTrayBar_MouseDown", "kxTrayBar", 3, nullptr, PressTrayIcon},
        {"kxAlertWindow_ButtonClick", "kxAlertWindow", 1, PrepareAlert, ShowAlertAndPressItsButton},
        {"kxGetMask_Change", "kxGetMask", 2, nullptr, TypeDigit},
        {"kxGetMask_KeyPress", "kxGetMask", 4, nullptr, TypeDigit},
        {"kxGetCombo_Change", "kxGetCombo", 1, nullptr, TypeDigit},
        {"kxGetCombo_KeyDown", "kxGetCombo", DISPID_KEYDOWN, nullptr, TypeDigit},
        {"kxGetCombo_ChangeFromItsGrid", "kxGetCombo", 1, PrepareRecordSource, PickTheGridsFirstRow},
        {"kxCalculator_GetValue", "kxCalculator", DISPID_DBLCLICK, nullptr, AddInTheReadout},
        {"kxGetNumber_Change", "kxGetNumber", 1, nullptr, TypeDigit},
        {"kxGetNumber_KeyDown", "kxGetNumber", DISPID_KEYDOWN, nullptr, TypeDigit},
        {"kxGetNumber_ChangeFromItsCalculator", "kxGetNumber", 1, nullptr, AddInTheDroppedCalculator},
        {"kxGifPlayer_ImageComplete", "kxGifPlayer", 2, PrepareAnimation, Play},
        {"kxGifPlayer_ImageCompleteInsideMoveNext", "kxGifPlayer", 2, PrepareAnimation, StepToTheNextFrame},
        {"kxMedia_PositionChange", "kxMedia", 1, PrepareWave, PlayMedia},
        {"kxMedia_ActionPlay", "kxMedia", 3, PrepareWave, PlayMedia},
        {"kxScrollBar_Change", "kxScrollBar", 1, nullptr, PressLowerArrow},
        {"actFileDialog_PathChanged", "actFileDialog", 3, PrepareFolder, OpenTheSubfolder},
        {"actFileDialog_FilterIndexChangedDuringTheNetworkWalk", "actFileDialog", 4, PrepareNetwork,
         ChooseAFilterDuringTheWalk},
    };
    return cases;
}

}  // namespace kxtest
