#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Drives a modal common dialog of this process from a helper thread: waits (bounded) for it to
// appear, runs an action on it (fill the file name, press OK or Cancel ...) and, should the dialog
// still be open when the time is up, cancels every dialog of the process so no test ever blocks.
namespace kxtest {

constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1

// Visible top-level dialog windows (#32770) of this process.
inline std::vector<HWND> ProcessDialogs() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM context) CALLBACK -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::wstring(className) == L"#32770")
                reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Types a name into the file dialog's file-name box, whichever of the two the dialog has.
inline void FillFileName(HWND dialog, const std::wstring& name) {
    HWND box = GetDlgItem(dialog, kFileNameCombo);
    if (!box) box = GetDlgItem(dialog, kFileNameEdit);
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

// Lets the dialog's thread finish what it has queued (bounded).
inline void SyncWith(HWND dialog) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit DialogDriver(Action action, DWORD limitMilliseconds = 20000)
        : thread_([this, action = std::move(action), limitMilliseconds] { Run(action, limitMilliseconds); }) {}
    ~DialogDriver() {
        stop_ = true;
        thread_.join();
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool Found() const { return found_; }
    bool TimedOut() const { return timedOut_; }

private:
    void Run(const Action& action, DWORD limit) {
        const ULONGLONG deadline = GetTickCount64() + limit;
        HWND dialog = nullptr;
        while (!dialog && !stop_ && GetTickCount64() < deadline) {
            const std::vector<HWND> dialogs = ProcessDialogs();
            if (!dialogs.empty())
                dialog = dialogs.front();
            else
                Sleep(50);
        }
        if (!dialog) return;
        found_ = true;
        Sleep(200);  // let the dialog finish its start-up notifications
        SyncWith(dialog);
        action(dialog);
        while (IsWindow(dialog) && !stop_ && GetTickCount64() < deadline) Sleep(50);
        if (stop_ || !IsWindow(dialog)) return;
        timedOut_ = true;
        const ULONGLONG cancelDeadline = GetTickCount64() + 10000;
        while (!stop_ && GetTickCount64() < cancelDeadline) {
            for (HWND open : ProcessDialogs()) {
                PressButton(open, IDCANCEL);
                PostMessageW(open, WM_CLOSE, 0, 0);
            }
            Sleep(200);
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    std::atomic<bool> timedOut_{false};
    std::thread thread_;
};

}  // namespace kxtest
