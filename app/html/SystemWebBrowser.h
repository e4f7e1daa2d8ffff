#pragma once
#include <windows.h>
#include <exdisp.h>

#include <memory>
#include <string>

#include "ControlHost.h"
#include "PageBrowser.h"

// The system's web browser control (program identity "Shell.Explorer.2") in the runtime's container.
namespace zarvanta {

class SystemWebBrowser : public PageBrowser {
public:
    static constexpr wchar_t kProgramIdentity[] = L"Shell.Explorer.2";

    // Whether the system has an HTML engine for the control to render with.
    static bool HasHtmlEngine();
    // Null when the control cannot be created or placed.
    static std::unique_ptr<SystemWebBrowser> Create(HWND parent, const RECT& bounds);
    ~SystemWebBrowser() override;
    SystemWebBrowser(const SystemWebBrowser&) = delete;
    SystemWebBrowser& operator=(const SystemWebBrowser&) = delete;

    void Navigate(const std::wstring& address) override;
    HWND Window() const override;
    bool TranslateAccelerator(MSG& message) override;

private:
    explicit SystemWebBrowser(HWND parent) : host_(parent) {}

    kx::ControlHost host_;
    kx::ControlSite* site_ = nullptr;
    IWebBrowser2* browser_ = nullptr;
};

}  // namespace zarvanta
