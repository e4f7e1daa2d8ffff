#include "SystemWebBrowser.h"

namespace zarvanta {
namespace {

constexpr wchar_t kHtmlDocument[] = L"htmlfile";
constexpr wchar_t kControlName[] = L"WebBrowser1";

}  // namespace

bool SystemWebBrowser::HasHtmlEngine() {
    CLSID document = {};
    if (FAILED(CLSIDFromProgID(kHtmlDocument, &document))) return false;
    IUnknown* engine = nullptr;
    if (FAILED(CoCreateInstance(document, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&engine))))
        return false;
    engine->Release();
    return true;
}

std::unique_ptr<SystemWebBrowser> SystemWebBrowser::Create(HWND parent, const RECT& bounds) {
    CLSID control = {};
    if (FAILED(CLSIDFromProgID(kProgramIdentity, &control))) return nullptr;
    std::unique_ptr<SystemWebBrowser> browser(new SystemWebBrowser(parent));
    browser->site_ = browser->host_.Place(control, kControlName, bounds, nullptr, nullptr);
    if (!browser->site_ || FAILED(browser->site_->Control()->QueryInterface(
                               IID_IWebBrowser2, reinterpret_cast<void**>(&browser->browser_))))
        return nullptr;
    return browser;
}

SystemWebBrowser::~SystemWebBrowser() {
    if (browser_) browser_->Release();
    // host_ removes the control.
}

void SystemWebBrowser::Navigate(const std::wstring& address) {
    BSTR url = SysAllocStringLen(address.data(), static_cast<UINT>(address.size()));
    if (!url) return;
    VARIANT none;
    VariantInit(&none);
    VARIANT flags = none, target = none, postData = none, headers = none;
    browser_->Navigate(url, &flags, &target, &postData, &headers);
    SysFreeString(url);
}

HWND SystemWebBrowser::Window() const { return site_ ? site_->ControlWindow() : nullptr; }

// Keys inside the page (Tab between links, copying) go to the control first.
bool SystemWebBrowser::TranslateAccelerator(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    const HWND window = Window();
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    IOleInPlaceActiveObject* active = nullptr;
    if (FAILED(browser_->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active))))
        return false;
    const bool used = active->TranslateAccelerator(&message) == S_OK;
    active->Release();
    return used;
}

}  // namespace zarvanta
