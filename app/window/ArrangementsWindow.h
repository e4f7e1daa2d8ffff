#pragma once
#include <windows.h>
#include <olectl.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "ControlHost.h"
#include "FocusMemory.h"
#include "FormControls.h"
#include "ModalForm.h"
#include "arrange/ArrangementProgress.h"
#include "arrange/ArrangementRun.h"
#include "dictionary/RecordSet.h"
#include "engine/AbjadEngine.h"

// frmComplex: takes up to 11 letters and writes their arrangements, or the great cycle's substitutions, to
// Output.txt (and the words the dictionary knows to OutputDic.txt), then opens them in the text editor.
// A run goes on inside the run button's Click and lets the window's messages run while it works; the
// cancel button, Esc and closing the window stop it.
namespace zarvanta {

// Shows the window modally over owner (disabled meanwhile) and returns when it is closed. The engine's
// options and the shared record set are read at each run.
void ShowArrangementsWindow(HWND owner, const AbjadEngine& engine, RecordSet* dictionary,
                            const std::filesystem::path& programFolder);

class ArrangementsWindow : private ProgressSink {
public:
    static constexpr wchar_t kWindowClass[] = L"ZarvantaComplex";

    ArrangementsWindow(const AbjadEngine& engine, RecordSet* dictionary, std::filesystem::path programFolder);
    ~ArrangementsWindow() override;
    ArrangementsWindow(const ArrangementsWindow&) = delete;
    ArrangementsWindow& operator=(const ArrangementsWindow&) = delete;

    // Creates the window centred on the screen, hidden.
    bool Create(HWND owner);
    // Disables the owner, shows the window and runs the messages until it closes; a WM_QUIT closes it and is
    // posted again for the outer loop.
    void RunModal();

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    HWND CreateChild(const FormControl& control);
    void AddTooltip(HWND control, const wchar_t* text);
    void PlaceLibraryControls();
    void Load();

    // The run of btnDo and what follows it.
    void Run();
    ArrangementRequest Request() const;
    ArrangementResult RunGuarded(const ArrangementRequest& request);
    void SetRunning(bool running);
    void Report(const ArrangementResult& result);
    void OpenFiles(const ArrangementResult& result);
    void ShowMessage(const std::wstring& text, UINT icon);

    // ProgressSink: the bar, the caption and one turn of the message queue; the cancel flag read back.
    void Show(const ProgressState& state) override;
    bool CancelRequested() override;

    void Cancel();
    void RequestClose();
    void Close();

    void ShowLength();
    void SetCaption(const std::wstring& text);
    void SetProgress(double value);
    void HandKey(kx::ControlSite* button, WPARAM key);
    bool PreTranslate(MSG& message);
    void Dispatch(MSG& message);
    void PumpMessages();

    const AbjadEngine& engine_;
    RecordSet* dictionary_;
    std::filesystem::path folder_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND letters_ = nullptr;
    HWND length_ = nullptr;
    HWND progressCaption_ = nullptr;
    HWND mode_ = nullptr;
    HWND dictionaryCheck_ = nullptr;
    HFONT font_ = nullptr;  // the buttons' font's handle
    IFontDisp* buttonFont_ = nullptr;
    IFontDisp* barFont_ = nullptr;
    std::unique_ptr<kx::ControlHost> host_;
    kx::ControlSite* runButton_ = nullptr;
    kx::ControlSite* cancelButton_ = nullptr;
    kx::ControlSite* progressBar_ = nullptr;
    double shownMax_ = -1;
    bool running_ = false;
    bool closePending_ = false;
    OwnerLock ownerLock_;
    FocusMemory focus_;
    std::optional<int> quitCode_;
};

}  // namespace zarvanta
