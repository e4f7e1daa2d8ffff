#include "ControlBase.h"

#include <windowsx.h>

#include <vector>

#include "ClassicInput.h"
#include "FocusPass.h"
#include "KeepAlive.h"
#include "ModuleState.h"
#include "ModuleWindowClasses.h"
#include "TypeLibrary.h"

namespace kx {
namespace {

constexpr wchar_t kWindowClass[] = L"KxControlWindow";
constexpr int kHimetricPerInch = 2540;
constexpr int kTwipsPerInch = 1440;

int PixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int MulDivRound(int value, int numerator, int denominator) { return MulDiv(value, numerator, denominator); }

// The classic MousePointer numbers and the system cursors they stand for.
LPCWSTR CursorOfPointer(short pointer) {
    static const LPCWSTR kCursors[] = {nullptr,     IDC_ARROW,  IDC_CROSS,  IDC_IBEAM,  IDC_ICON,
                                       IDC_SIZE,    IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE,
                                       IDC_UPARROW, IDC_WAIT,   IDC_NO,     IDC_APPSTARTING, IDC_HELP,
                                       IDC_SIZEALL, IDC_HAND};
    if (pointer <= 0 || pointer >= static_cast<short>(sizeof(kCursors) / sizeof(kCursors[0]))) return nullptr;
    return kCursors[pointer];
}

constexpr short kCustomPointer = 99;

}  // namespace

ControlBase::ControlBase(REFCLSID clsid, REFIID events, int widthTwips, int heightTwips)
    : clsid_(clsid),
      events_(static_cast<IConnectionPointContainer*>(this), events),
      propertyNotify_(static_cast<IConnectionPointContainer*>(this), IID_IPropertyNotifySink),
      font_([this] { surface_.UseFont(font_.Handle()); }) {
    RegisterModuleWindowClass({.name = kWindowClass, .procedure = &ControlBase::WindowProc, .style = CS_DBLCLKS});
    const int dpi = PixelsPerInch();
    window_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                              MulDivRound(widthTwips, dpi, kTwipsPerInch), MulDivRound(heightTwips, dpi, kTwipsPerInch),
                              nullptr, nullptr, ModuleHandle(), this);
    surface_.UseFont(font_.Handle());
    OnSize();
}

ControlBase::~ControlBase() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    surface_.UseFont(nullptr);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (mouseIcon_) mouseIcon_->Release();
    if (viewSink_) viewSink_->Release();
    if (adviseHolder_) adviseHolder_->Release();
    if (inPlaceSite_) inPlaceSite_->Release();
    if (frameSite_) frameSite_->Release();
    if (site_) site_->Release();
}

HRESULT ControlBase::QueryControlInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IOleObject) *out = static_cast<IOleObject*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) *out = static_cast<IOleInPlaceObject*>(this);
    else if (iid == IID_IOleInPlaceActiveObject) *out = static_cast<IOleInPlaceActiveObject*>(this);
    else if (iid == IID_IOleControl) *out = static_cast<IOleControl*>(this);
    else if (iid == IID_IViewObject || iid == IID_IViewObject2) *out = static_cast<IViewObject2*>(this);
    else if (iid == IID_IPersist || iid == IID_IPersistPropertyBag) *out = static_cast<IPersistPropertyBag*>(this);
    else if (iid == IID_IPersistStreamInit) *out = static_cast<IPersistStreamInit*>(this);
    else if (iid == IID_IConnectionPointContainer) *out = static_cast<IConnectionPointContainer*>(this);
    else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
        *out = static_cast<IProvideClassInfo2*>(this);
    else if (iid == IID_ISpecifyPropertyPages) *out = static_cast<ISpecifyPropertyPages*>(this);
    else return E_NOINTERFACE;
    static_cast<IUnknown*>(*out)->AddRef();
    return S_OK;
}

// --- IOleObject ---

STDMETHODIMP ControlBase::SetClientSite(IOleClientSite* site) {
    if (site) site->AddRef();
    if (site_) site_->Release();
    site_ = site;
    ambient_.SetSite(site);
    if (frameSite_) frameSite_->Release();
    frameSite_ = nullptr;
    if (site && (MiscStatus() & OLEMISC_SIMPLEFRAME))
        site->QueryInterface(IID_ISimpleFrameSite, reinterpret_cast<void**>(&frameSite_));
    return S_OK;
}

STDMETHODIMP ControlBase::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = site_;
    if (site_) site_->AddRef();
    return S_OK;
}

STDMETHODIMP ControlBase::Close(DWORD) {
    InPlaceDeactivate();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    return S_OK;
}

STDMETHODIMP ControlBase::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlBase::GetClipboardData(DWORD, IDataObject** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlBase::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT bounds) {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
            return ActivateInPlace(site ? site : site_, parent, bounds, false);
        case OLEIVERB_UIACTIVATE:
            return ActivateInPlace(site ? site : site_, parent, bounds, true);
        case OLEIVERB_HIDE:
            UIDeactivate();
            ShowWindow(window_, SW_HIDE);
            return S_OK;
        default:
            return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP ControlBase::EnumVerbs(IEnumOLEVERB** out) { return OleRegEnumVerbs(clsid_, out); }

STDMETHODIMP ControlBase::GetUserClassID(CLSID* clsid) { return GetClassID(clsid); }

STDMETHODIMP ControlBase::GetUserType(DWORD form, LPOLESTR* name) { return OleRegGetUserType(clsid_, form, name); }

STDMETHODIMP ControlBase::SetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    const int dpi = PixelsPerInch();
    RequestSize(MulDivRound(size->cx, dpi, kHimetricPerInch), MulDivRound(size->cy, dpi, kHimetricPerInch));
    return S_OK;
}

STDMETHODIMP ControlBase::GetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    const int dpi = PixelsPerInch();
    size->cx = MulDivRound(ScaleWidth(), kHimetricPerInch, dpi);
    size->cy = MulDivRound(ScaleHeight(), kHimetricPerInch, dpi);
    return S_OK;
}

STDMETHODIMP ControlBase::Advise(IAdviseSink* sink, DWORD* cookie) {
    if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(&adviseHolder_))) return E_OUTOFMEMORY;
    return adviseHolder_->Advise(sink, cookie);
}

STDMETHODIMP ControlBase::Unadvise(DWORD cookie) {
    return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

STDMETHODIMP ControlBase::EnumAdvise(IEnumSTATDATA** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(out) : S_OK;
}

STDMETHODIMP ControlBase::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
              OLEMISC_CANTLINKINSIDE | OLEMISC_SETCLIENTSITEFIRST | MiscStatus();
    return S_OK;
}

// --- in-place activation ---

HRESULT ControlBase::ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT bounds, bool uiActivate) {
    if (!site) return E_UNEXPECTED;
    if (!inPlaceActive_) {
        IOleInPlaceSite* inPlace = nullptr;
        if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace)))) {
            // A container without in-place support still gets the window on its parent.
            if (!parent) return E_NOINTERFACE;
            AttachTo(parent);
            if (bounds) MoveTo(*bounds);
        } else {
            if (inPlace->CanInPlaceActivate() != S_OK) {
                inPlace->Release();
                return E_FAIL;
            }
            inPlace->OnInPlaceActivate();
            inPlaceSite_ = inPlace;
            HWND host = parent;
            inPlace->GetWindow(&host);
            IOleInPlaceFrame* frame = nullptr;
            IOleInPlaceUIWindow* document = nullptr;
            RECT position = {}, clip = {};
            OLEINPLACEFRAMEINFO info = {sizeof(info)};
            if (SUCCEEDED(inPlace->GetWindowContext(&frame, &document, &position, &clip, &info))) {
                if (frame) frame->Release();
                if (document) document->Release();
            } else if (bounds) {
                position = *bounds;
            }
            AttachTo(host ? host : parent);
            MoveTo(IsRectEmpty(&position) && bounds ? *bounds : position);
        }
        inPlaceActive_ = true;
        const bool invisible = (MiscStatus() & OLEMISC_INVISIBLEATRUNTIME) && ambient_.UserMode();
        ShowWindow(window_, invisible ? SW_HIDE : SW_SHOWNA);
        Show();
        ShowSurface();
    }
    if (uiActivate && !uiActive_) {
        uiActive_ = true;
        if (inPlaceSite_) inPlaceSite_->OnUIActivate();
        if (GetFocus() != window_) SetFocus(window_);
    }
    return S_OK;
}

void ControlBase::AttachTo(HWND parent) {
    if (!parent || GetParent(window_) == parent) return;
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    style = (style & ~WS_POPUP) | WS_CHILD | WS_TABSTOP;
    SetWindowLongPtrW(window_, GWL_STYLE, style);
    SetParent(window_, parent);
}

void ControlBase::DetachFromContainer() {
    ShowWindow(window_, SW_HIDE);
    SetParent(window_, nullptr);
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    style = (style & ~(WS_CHILD | WS_TABSTOP)) | WS_POPUP;
    SetWindowLongPtrW(window_, GWL_STYLE, style);
}

void ControlBase::MoveTo(const RECT& position) {
    SetWindowPos(window_, nullptr, position.left, position.top, position.right - position.left,
                 position.bottom - position.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

STDMETHODIMP ControlBase::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

STDMETHODIMP ControlBase::InPlaceDeactivate() {
    if (!inPlaceActive_) return S_OK;
    UIDeactivate();
    inPlaceActive_ = false;
    DetachFromContainer();
    if (inPlaceSite_) {
        IOleInPlaceSite* site = inPlaceSite_;
        inPlaceSite_ = nullptr;
        site->OnInPlaceDeactivate();
        site->Release();
    }
    return S_OK;
}

STDMETHODIMP ControlBase::UIDeactivate() {
    if (!uiActive_) return S_OK;
    uiActive_ = false;
    if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP ControlBase::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    MoveTo(*position);
    return S_OK;
}

// A size the control asks for itself: the container decides and calls SetObjectRects back.
void ControlBase::RequestSize(int width, int height) {
    RECT position = {};
    GetWindowRect(window_, &position);
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&position), 2);
    position.right = position.left + width;
    position.bottom = position.top + height;
    if (inPlaceSite_ && inPlaceActive_) {
        inPlaceSite_->OnPosRectChange(&position);
        RECT now = {};
        GetClientRect(window_, &now);
        if (now.right == width && now.bottom == height) return;
    }
    MoveTo(position);
}

// --- IOleControl ---

STDMETHODIMP ControlBase::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->cb = sizeof(CONTROLINFO);
    info->hAccel = accelerators_;
    info->cAccel = acceleratorCount_;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP ControlBase::OnMnemonic(MSG* message) {
    if (!message) return E_POINTER;
    AccessKeyPress(static_cast<short>(message->wParam));
    return S_OK;
}

STDMETHODIMP ControlBase::OnAmbientPropertyChange(DISPID id) {
    AmbientChanged(id);
    return S_OK;
}

STDMETHODIMP ControlBase::FreezeEvents(BOOL freeze) {
    frozen_ += freeze ? 1 : (frozen_ > 0 ? -1 : 0);
    return S_OK;
}

void ControlBase::SetAccessKeys(const std::wstring& keys) {
    accessKeys_ = keys;
    RebuildAccelerators();
    IOleControlSite* site = nullptr;
    if (site_ && SUCCEEDED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&site)))) {
        site->OnControlInfoChanged();
        site->Release();
    }
}

void ControlBase::RebuildAccelerators() {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    accelerators_ = nullptr;
    acceleratorCount_ = 0;
    std::vector<ACCEL> table;
    for (wchar_t key : accessKeys_) {
        const SHORT scan = VkKeyScanW(key);
        if (scan == -1) continue;
        table.push_back({FALT | FVIRTKEY, static_cast<WORD>(scan & 0xFF), static_cast<WORD>(key)});
    }
    if (table.empty()) return;
    accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    if (accelerators_) acceleratorCount_ = static_cast<WORD>(table.size());
}

// --- IViewObject2 ---

STDMETHODIMP ControlBase::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target, LPCRECTL bounds,
                               LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!target || !bounds) return E_INVALIDARG;
    Paint();
    const RECT area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    surface_.CopyTo(target, area);
    return S_OK;
}

STDMETHODIMP ControlBase::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** set) {
    if (set) *set = nullptr;
    return S_FALSE;
}

STDMETHODIMP ControlBase::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    if (sink) sink->AddRef();
    if (viewSink_) viewSink_->Release();
    viewSink_ = sink;
    viewAspects_ = aspects;
    viewFlags_ = flags;
    return S_OK;
}

STDMETHODIMP ControlBase::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) {
        *sink = viewSink_;
        if (viewSink_) viewSink_->AddRef();
    }
    return S_OK;
}

STDMETHODIMP ControlBase::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

void ControlBase::ViewChanged() {
    if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

// --- persistence ---

STDMETHODIMP ControlBase::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = clsid_;
    return S_OK;
}

STDMETHODIMP ControlBase::InitNew() {
    if (initialized_) return E_UNEXPECTED;
    initialized_ = true;
    InitProperties();
    return S_OK;
}

STDMETHODIMP ControlBase::Load(IPropertyBag* bag, IErrorLog*) {
    if (!bag) return E_POINTER;
    if (initialized_) return E_UNEXPECTED;
    initialized_ = true;
    ReadProperties(PropertyReader(bag));
    return S_OK;
}

STDMETHODIMP ControlBase::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    WriteProperties(PropertyWriter(bag));
    if (clearDirty) dirty_ = false;
    return S_OK;
}

STDMETHODIMP ControlBase::Load(LPSTREAM stream) {
    if (!stream) return E_POINTER;
    MemoryPropertyBag* bag = new (std::nothrow) MemoryPropertyBag();
    if (!bag) return E_OUTOFMEMORY;
    HRESULT hr = bag->LoadFrom(stream);
    if (SUCCEEDED(hr)) hr = Load(bag, nullptr);
    bag->Release();
    return hr;
}

STDMETHODIMP ControlBase::Save(LPSTREAM stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    MemoryPropertyBag* bag = new (std::nothrow) MemoryPropertyBag();
    if (!bag) return E_OUTOFMEMORY;
    HRESULT hr = Save(bag, clearDirty, TRUE);
    if (SUCCEEDED(hr)) hr = bag->SaveTo(stream);
    bag->Release();
    return hr;
}

STDMETHODIMP ControlBase::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    IStream* stream = nullptr;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    if (FAILED(hr)) return hr;
    hr = Save(stream, FALSE);
    STATSTG stat = {};
    if (SUCCEEDED(hr)) hr = stream->Stat(&stat, STATFLAG_NONAME);
    if (SUCCEEDED(hr)) *size = stat.cbSize;
    stream->Release();
    return hr;
}

// --- connection points and class information ---

STDMETHODIMP ControlBase::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    *out = CreateConnectionPointEnumerator({&events_, &propertyNotify_});
    return *out ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP ControlBase::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ConnectionPoint* point = nullptr;
    if (iid == events_.Iid()) point = &events_;
    else if (iid == IID_IPropertyNotifySink) point = &propertyNotify_;
    if (!point) return CONNECT_E_NOCONNECTION;
    *out = point;
    point->AddRef();
    return S_OK;
}

STDMETHODIMP ControlBase::GetPages(CAUUID* pages) {
    if (!pages) return E_POINTER;
    const std::vector<CLSID> list = PropertyPages();
    pages->cElems = 0;
    pages->pElems = nullptr;
    if (list.empty()) return S_OK;
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(list.size() * sizeof(GUID)));
    if (!pages->pElems) return E_OUTOFMEMORY;
    for (size_t i = 0; i < list.size(); ++i) pages->pElems[i] = list[i];
    pages->cElems = static_cast<ULONG>(list.size());
    return S_OK;
}

STDMETHODIMP ControlBase::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = ClassTypeInfo(clsid_);
    if (!*info) return TYPE_E_ELEMENTNOTFOUND;
    (*info)->AddRef();
    return S_OK;
}

STDMETHODIMP ControlBase::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = events_.Iid();
    return S_OK;
}

// --- services ---

void ControlBase::PropertyChanged(const wchar_t* name) {
    dirty_ = true;
    NotifyPropertyChanged(propertyNotify_, DispIdOfName(name));
}

void ControlBase::RaiseEvent(DISPID event, VARIANT* args, UINT count) {
    if (frozen_ > 0) return;
    kx::RaiseEvent(events_, event, args, count);
}

void ControlBase::RaiseMouseEvent(DISPID event, short& button, short& shift, float& x, float& y) {
    VARIANT args[4];
    args[0].vt = VT_BYREF | VT_I2; args[0].piVal = &button;
    args[1].vt = VT_BYREF | VT_I2; args[1].piVal = &shift;
    args[2].vt = VT_BYREF | VT_R4; args[2].pfltVal = &x;
    args[3].vt = VT_BYREF | VT_R4; args[3].pfltVal = &y;
    RaiseEvent(event, args, 4);
}

void ControlBase::RaiseKeyEvent(DISPID event, short& keyCode, short& shift) {
    VARIANT args[2];
    args[0].vt = VT_BYREF | VT_I2; args[0].piVal = &keyCode;
    args[1].vt = VT_BYREF | VT_I2; args[1].piVal = &shift;
    RaiseEvent(event, args, 2);
}

void ControlBase::RaiseKeyPress(short& keyAscii) {
    VARIANT arg;
    arg.vt = VT_BYREF | VT_I2;
    arg.piVal = &keyAscii;
    RaiseEvent(DISPID_KEYPRESS, &arg, 1);
}

int ControlBase::WidthTwips() const { return MulDivRound(ScaleWidth(), kTwipsPerInch, PixelsPerInch()); }
int ControlBase::HeightTwips() const { return MulDivRound(ScaleHeight(), kTwipsPerInch, PixelsPerInch()); }

void ControlBase::SetWidthTwips(int twips) {
    RequestSize(MulDivRound(twips, PixelsPerInch(), kTwipsPerInch), ScaleHeight());
}

void ControlBase::SetHeightTwips(int twips) {
    RequestSize(ScaleWidth(), MulDivRound(twips, PixelsPerInch(), kTwipsPerInch));
}

void ControlBase::SetSurfaceEnabled(bool enabled) {
    const bool hadFocus = !enabled && HoldsFocus(window_);
    EnableWindow(window_, enabled);
    if (hadFocus) PassFocusOn();
}

// The site is asked with a Tab keystroke, as a container's own tab handling expects it.
void ControlBase::PassFocusOn() {
    const bool backward = GetKeyState(VK_SHIFT) < 0;
    IOleControlSite* site = nullptr;
    if (site_ && SUCCEEDED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&site)))) {
        MSG tab = {window_, WM_KEYDOWN, VK_TAB, 0};
        const HRESULT hr = site->TranslateAccelerator(&tab, backward ? kKeyModShift : 0);
        site->Release();
        if (hr == S_OK) return;
    }
    const HWND parent = GetParent(window_);
    if (!parent) return;
    PassFocus(window_, true, parent, [parent, backward](HWND from) {
        return GetNextDlgTabItem(parent, from, backward);
    });
}

void ControlBase::SetFont(IFontDisp* font) { font_.Set(font); }

void ControlBase::FontChanged() { font_.Rebuild(); }

void ControlBase::SetMouseIcon(IPictureDisp* picture) {
    if (picture) picture->AddRef();
    if (mouseIcon_) mouseIcon_->Release();
    mouseIcon_ = picture;
}

void ControlBase::ShowSurface() {
    // The paint in progress copies the surface out itself; without a window there is nothing to show
    // (and a null window would invalidate every window on the desktop).
    if (!painting_ && window_) InvalidateRect(window_, nullptr, FALSE);
    ViewChanged();
}

// --- the window ---

// noexcept: a C++ exception that would leave a window procedure ends the program here instead of being
// discarded by the system's dispatch (the i686 build's unwinder cannot pass the system's frames either).
LRESULT CALLBACK ControlBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* control = reinterpret_cast<ControlBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!control || control->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    // The control stays alive to the end of the message, however the handling ends. A hardware fault that the
    // system's dispatch discards skips every frame in between, destructors included: such faults are made
    // impossible and recorded (FaultRecorder.h) instead.
    const KeepAlive keep(static_cast<IOleObject*>(control));
    return control->FilteredMessage(message, wParam, lParam);
}

// A simple frame's site sees every message first (S_FALSE: it handled it) and after.
LRESULT ControlBase::FilteredMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!frameSite_ || message == WM_NCDESTROY) return HandleMessage(message, wParam, lParam);
    ISimpleFrameSite* filter = frameSite_;
    filter->AddRef();
    LRESULT result = 0;
    DWORD cookie = 0;
    if (filter->PreMessageFilter(window_, message, wParam, lParam, &result, &cookie) != S_FALSE) {
        result = HandleMessage(message, wParam, lParam);
        if (window_) filter->PostMessageFilter(window_, message, wParam, lParam, &result, cookie);
    }
    filter->Release();
    return result;
}

LRESULT ControlBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (WindowMessage(message, wParam, lParam, &result)) return result;
    switch (message) {
        case WM_NCDESTROY:  // destroyed with a container window: the control lives on without one
            window_ = nullptr;
            return 0;
        case WM_SIZE: OnSize(); return 0;
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            OnMouseButton(message, wParam, lParam);
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(HeldButtons(wParam), ShiftState(), static_cast<float>(GET_X_LPARAM(lParam)),
                      static_cast<float>(GET_Y_LPARAM(lParam)));
            return 0;
        case WM_KEYDOWN: KeyDown(static_cast<short>(wParam), ShiftState()); return 0;
        case WM_KEYUP: KeyUp(static_cast<short>(wParam), ShiftState()); return 0;
        case WM_CHAR: KeyPress(AnsiKey(static_cast<wchar_t>(wParam))); return 0;
        case WM_SETFOCUS: OnFocus(true); return 0;
        case WM_KILLFOCUS: OnFocus(false); return 0;
        case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
        case WM_MOUSEACTIVATE: return MA_ACTIVATE;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
            break;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ControlBase::OnSize() {
    RECT client = {};
    GetClientRect(window_, &client);
    if (client.right == surface_.Width() && client.bottom == surface_.Height()) return;
    surface_.Resize(client.right, client.bottom);
    Resize();
    ShowSurface();
}

void ControlBase::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    painting_ = true;
    Paint();
    painting_ = false;
    const RECT all = {0, 0, surface_.Width(), surface_.Height()};
    surface_.CopyTo(dc, all);
    EndPaint(window_, &ps);
}

// Classic order: MouseDown, MouseUp, Click; a double click gives DblClick in place of the second
// MouseDown and no second Click. Click needs the release inside the window.
void ControlBase::OnMouseButton(UINT message, WPARAM, LPARAM lParam) {
    const short button = ButtonOf(message);
    const float x = static_cast<float>(GET_X_LPARAM(lParam));
    const float y = static_cast<float>(GET_Y_LPARAM(lParam));
    switch (message) {
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:  // only the left button double-clicks
            if (GetFocus() != window_) SetFocus(window_);
            if (!pressedButtons_) SetCapture(window_);
            pressedButtons_ |= button;
            doubleClicked_ = false;
            MouseDown(button, ShiftState(), x, y);
            return;
        case WM_LBUTTONDBLCLK:
            if (!pressedButtons_) SetCapture(window_);
            pressedButtons_ |= button;
            doubleClicked_ = true;
            DblClick();
            return;
        default: {
            const bool wasPressed = (pressedButtons_ & button) != 0;
            pressedButtons_ &= ~static_cast<UINT>(button);
            if (!pressedButtons_ && GetCapture() == window_) ReleaseCapture();
            MouseUp(button, ShiftState(), x, y);
            RECT client = {};
            GetClientRect(window_, &client);
            const POINT at = {static_cast<LONG>(x), static_cast<LONG>(y)};
            if (wasPressed && !doubleClicked_ && PtInRect(&client, at)) Click();
            return;
        }
    }
}

bool ControlBase::OnSetCursor() {
    if (mousePointer_ == kCustomPointer && mouseIcon_) {
        IPicture* picture = nullptr;
        OLE_HANDLE handle = 0;
        SHORT type = PICTYPE_NONE;
        if (SUCCEEDED(mouseIcon_->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) {
            picture->get_Handle(&handle);
            picture->get_Type(&type);
            picture->Release();
        }
        if (handle && type == PICTYPE_ICON) {
            SetCursor(reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(handle)));
            return true;
        }
        return false;
    }
    const LPCWSTR cursor = CursorOfPointer(mousePointer_);
    if (!cursor) return false;
    SetCursor(LoadCursorW(nullptr, cursor));
    return true;
}

void ControlBase::OnFocus(bool gained) {
    IOleControlSite* site = nullptr;
    if (site_ && SUCCEEDED(site_->QueryInterface(IID_IOleControlSite, reinterpret_cast<void**>(&site)))) {
        site->OnFocus(gained);
        site->Release();
    }
    if (gained) GotFocus();
    else LostFocus();
}

IFontDisp* ControlBase::ReadFontProperty(const PropertyReader& bag, const wchar_t* key) const {
    IFontDisp* ambient = Ambient().Font();
    IFontDisp* font = bag.Font(key, ambient);
    IFontDisp* own = font != ambient ? CloneFont(font) : nullptr;  // not shared with the bag's copy
    if (ambient) ambient->Release();
    if (!own) return font;
    if (font) font->Release();
    return own;
}

}  // namespace kx
