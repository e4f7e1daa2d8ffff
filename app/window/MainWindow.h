#pragma once
#include <windows.h>
#include <olectl.h>

#include <memory>
#include <string>

#include "CalculatorTextBox.h"
#include "ControlHost.h"
#include "HotZones.h"
#include "LibraryObjects.h"
#include "OptionStore.h"
#include "TotalList.h"
#include "calc/RunningTotal.h"
#include "dictionary/RecordSet.h"
#include "engine/AbjadEngine.h"

// Zarvanta's main window: the borderless skinned window with the text box, the running total, the ten
// option zones and the buttons that open the other windows. It owns the engine and the dictionary.
namespace zarvanta {

class MainWindow {
public:
    explicit MainWindow(std::wstring programFolder);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and runs the start-up steps; false when the start failed (the reason has been
    // shown to the user). Then shows the window.
    bool Open(int show);
    HWND Handle() const { return window_; }
    // For the message loop: access keys and Tab between the hosted buttons.
    bool TranslateAccelerator(const MSG& message);

    AbjadEngine& Engine() { return engine_; }
    RecordSet* Dictionary() { return dictionary_.get(); }

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    bool Create();
    void CreateControls();
    void PlaceButtons();
    bool StartUp();
    bool OpenDictionary();
    void Unload();

    void Paint();
    void DrawOptionMarks();
    void OnMouseDown(POINT point);
    void OnMouseUp(POINT point);
    void OnMouseMove(POINT point, WPARAM buttons);
    bool OnSetCursor();
    void Activate(const HotZone& zone);
    void OnButtonEvent(int button, DISPID event);
    void RunOperation(TotalOperation operation);
    void OpenLink(const std::wstring& target);

    std::wstring programFolder_;
    HWND window_ = nullptr;
    HBITMAP skin_ = nullptr;
    HBITMAP checkMark_ = nullptr;
    HBITMAP layer_ = nullptr;  // the persistent drawing layer: the skin and what is drawn over it
    HCURSOR linkCursor_ = nullptr;
    HICON iconSmall_ = nullptr;
    HICON iconLarge_ = nullptr;
    HFONT textFont_ = nullptr;
    HFONT listFont_ = nullptr;
    HFONT versionFont_ = nullptr;
    IFontDisp* buttonFont_ = nullptr;
    IDispatch* formObject_ = nullptr;
    std::wstring versionText_;

    std::unique_ptr<kx::ControlHost> host_;
    CalculatorTextBox textBox_;
    TotalList list_;
    HotZones zones_;
    const HotZone* pressedZone_ = nullptr;

    LibraryObjects library_;
    OptionStore optionStore_;
    AbjadEngine engine_;
    RunningTotal total_;
    std::unique_ptr<RecordSet> dictionary_;
    bool unloaded_ = false;
};

}  // namespace zarvanta
