#include "ComboPage.h"

#include "ErrorInfo.h"
#include "LateBinding.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"

namespace kx {
namespace {

constexpr const wchar_t* kPageClass = L"KorvixComboPage";

int Pixels(int twips) { return MulDiv(twips, 96, 1440); }

HFONT TahomaFont() {
    LOGFONTW font = {};
    font.lfHeight = -11;  // 8.25 pt at 96 dpi
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// An object the pages can edit: it answers List(0).
bool IsCombo(IDispatch* object) {
    try {
        OwnedVariant slot;
        GetProperty(object, L"List", 0, slot);
        return true;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

ComboPage::ComboPage(const wchar_t* title, int widthTwips, int heightTwips, std::vector<Child> children)
    : title_(title), size_{Pixels(widthTwips), Pixels(heightTwips)}, children_(std::move(children)) {
    ObjectCreated();
}

ComboPage::~ComboPage() {
    Deactivate();
    ReleaseObjects();
    if (site_) site_->Release();
    ObjectDestroyed();
}

STDMETHODIMP ComboPage::SetPageSite(IPropertyPageSite* site) {
    if (site) site->AddRef();
    if (site_) site_->Release();
    site_ = site;
    return S_OK;
}

STDMETHODIMP ComboPage::Activate(HWND parent, LPCRECT rect, BOOL) {
    if (window_) return E_UNEXPECTED;
    const RECT place = rect ? *rect : RECT{0, 0, size_.cx, size_.cy};
    RegisterModuleWindowClass({.name = kPageClass, .procedure = WindowProc, .background = COLOR_BTNFACE});
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPCHILDREN, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, parent, nullptr, ModuleHandle(),
                              this);
    if (!window_) return E_FAIL;
    font_ = TahomaFont();
    CreateChildren();
    Reload();
    return S_OK;
}

STDMETHODIMP ComboPage::Deactivate() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    if (font_) DeleteObject(font_);
    font_ = nullptr;
    return S_OK;
}

STDMETHODIMP ComboPage::GetPageInfo(PROPPAGEINFO* info) {
    if (!info) return E_POINTER;
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = static_cast<LPOLESTR>(CoTaskMemAlloc((title_.size() + 1) * sizeof(wchar_t)));
    if (!info->pszTitle) return E_OUTOFMEMORY;
    lstrcpyW(info->pszTitle, title_.c_str());
    info->size = size_;
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

STDMETHODIMP ComboPage::SetObjects(ULONG count, IUnknown** objects) {
    if (count && !objects) return E_POINTER;
    ReleaseObjects();
    for (ULONG i = 0; i < count; ++i) {
        IDispatch* object = nullptr;
        if (objects[i] && SUCCEEDED(objects[i]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))))
            objects_.push_back(object);
    }
    if (!objects_.empty() && IsCombo(objects_[0])) combo_ = objects_[0];
    if (window_) Reload();
    return S_OK;
}

STDMETHODIMP ComboPage::Show(UINT command) {
    if (window_) ShowWindow(window_, command);
    return S_OK;
}

STDMETHODIMP ComboPage::Move(LPCRECT rect) {
    if (!rect) return E_POINTER;
    if (window_) MoveWindow(window_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

STDMETHODIMP ComboPage::Apply() {
    if (!combo_ || !changed_) return S_OK;
    try {
        ApplyChanges();
    } catch (const Error&) {
        return E_FAIL;
    }
    changed_ = false;
    return S_OK;
}

void ComboPage::SetChanged(bool changed) {
    changed_ = changed;
    if (changed && site_) site_->OnStatusChange(PROPPAGESTATUS_DIRTY);
}

std::wstring ComboPage::ItemText(int id) const {
    const HWND item = Item(id);
    const int length = GetWindowTextLengthW(item);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), length + 1)));
    return text;
}

void ComboPage::SetItemText(int id, const std::wstring& text) { SetWindowTextW(Item(id), text.c_str()); }

void ComboPage::CreateChildren() {
    for (const Child& child : children_) {
        const HWND item = CreateWindowExW(
            child.windowClass == std::wstring(L"EDIT") ? WS_EX_CLIENTEDGE : 0, child.windowClass, child.text,
            WS_CHILD | WS_VISIBLE | child.style, Pixels(child.left), Pixels(child.top), Pixels(child.width),
            Pixels(child.height), window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)), ModuleHandle(),
            nullptr);
        if (item && font_) SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

// What a page shows comes from the selected combo; a page without one shows nothing.
void ComboPage::Reload() {
    if (!combo_) return;
    try {
        SelectionChanged();
    } catch (const Error&) {
    }
}

void ComboPage::ReleaseObjects() {
    for (IDispatch* object : objects_) object->Release();
    objects_.clear();
    combo_ = nullptr;
}

LRESULT CALLBACK ComboPage::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* page = reinterpret_cast<ComboPage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COMMAND && page && page->window_ == window && page->combo_) {
        try {
            page->Command(LOWORD(wParam), HIWORD(wParam));
        } catch (...) {
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kx
