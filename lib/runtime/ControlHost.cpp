#include "ControlHost.h"

#include <algorithm>

#include "AmbientProperties.h"
#include "DockLayout.h"
#include "ErrorInfo.h"
#include "FocusPass.h"

namespace kx {

// --- sub-objects of a site; their reference counts are the site's ---

// One interface of a site, answered by a sub-object that counts its references on the site.
template <class Interface>
class SitePart : public Interface {
public:
    explicit SitePart(ControlSite& site) : site_(site) {}
    virtual ~SitePart() = default;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != __uuidof(Interface) && !AlsoAnswers(iid)) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return site_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return site_.Release(); }

protected:
    virtual bool AlsoAnswers(REFIID) const { return false; }
    ControlSite& site_;
};

// Receives the control's events in its event dispatch interface.
class ControlSite::EventSink : public SitePart<IDispatch> {
public:
    explicit EventSink(ControlSite& site) : SitePart(site) {}
    bool AlsoAnswers(REFIID iid) const override { return iid == site_.eventIid_; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return site_.GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        if (site_.onEvent_) site_.onEvent_(id, params);
        return S_OK;
    }
};

class ControlSite::PropertySink : public SitePart<IPropertyNotifySink> {
public:
    explicit PropertySink(ControlSite& site) : SitePart(site) {}
    STDMETHODIMP OnChanged(DISPID id) override {
        if (site_.onPropertyChange_) site_.onPropertyChange_(id);
        return S_OK;
    }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

// The container's own members of the control: Name, Visible, Left, Top, Width, Height, Enabled
// (where the control has none of its own), SetFocus, ToolTipText and, for an alignable control,
// Align; every other name is the control's own.
class ControlSite::Extender : public SitePart<IDispatch> {
public:
    explicit Extender(ControlSite& site) : SitePart(site) {}
    // Identities outside the ranges controls use.
    enum Member : DISPID {
        kName = 0x7FFF0001, kVisible, kLeft, kTop, kWidth, kHeight, kEnabled, kSetFocus, kAlign, kToolTipText
    };
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return site_.GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
        if (!names || !ids || count == 0) return E_POINTER;
        DISPID own = OwnMember(names[0]);
        if (own == kAlign && !(site_.miscStatus_ & OLEMISC_ALIGNABLE)) own = DISPID_UNKNOWN;
        const bool controlFirst = own == kEnabled;
        if (site_.dispatch_ && (own == DISPID_UNKNOWN || controlFirst) &&
            SUCCEEDED(site_.dispatch_->GetIDsOfNames(iid, names, count, lcid, ids)))
            return S_OK;
        if (own == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        ids[0] = own;
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
        if (id < kName || id > kToolTipText) {
            if (!site_.dispatch_) return DISP_E_MEMBERNOTFOUND;
            return site_.dispatch_->Invoke(id, iid, lcid, flags, params, result, exception, argError);
        }
        if (id == kSetFocus) {
            site_.SetFocus();
            return S_OK;
        }
        if (flags & DISPATCH_PROPERTYPUT) return Put(static_cast<Member>(id), params);
        if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        return Get(static_cast<Member>(id), result);
    }

private:
    static DISPID OwnMember(const wchar_t* name) {
        static const struct {
            const wchar_t* name;
            Member id;
        } kMembers[] = {{L"Name", kName},   {L"Visible", kVisible}, {L"Left", kLeft},       {L"Top", kTop},
                        {L"Width", kWidth}, {L"Height", kHeight},   {L"Enabled", kEnabled}, {L"SetFocus", kSetFocus},
                        {L"Align", kAlign}, {L"ToolTipText", kToolTipText}};
        for (const auto& member : kMembers)
            if (lstrcmpiW(name, member.name) == 0) return member.id;
        return DISPID_UNKNOWN;
    }

    HRESULT Get(Member id, VARIANT* result) const {
        VariantInit(result);
        const RECT& bounds = site_.bounds_;
        switch (id) {
            case kName:
            case kToolTipText:
                result->vt = VT_BSTR;
                result->bstrVal = SysAllocString((id == kName ? site_.name_ : site_.toolTipText_).c_str());
                return result->bstrVal ? S_OK : E_OUTOFMEMORY;
            case kVisible:
            case kEnabled: {
                const HWND window = site_.ControlWindow();
                const bool on = id == kVisible ? site_.Visible() : window && IsWindowEnabled(window);
                result->vt = VT_BOOL;
                result->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
                return S_OK;
            }
            case kAlign:
                result->vt = VT_I4;
                result->lVal = site_.align_;
                return S_OK;
            default:
                result->vt = VT_I4;
                result->lVal = id == kLeft    ? bounds.left
                               : id == kTop   ? bounds.top
                               : id == kWidth ? bounds.right - bounds.left
                                              : bounds.bottom - bounds.top;
                return S_OK;
        }
    }

    HRESULT Put(Member id, DISPPARAMS* params) {
        if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        if (id == kToolTipText) return PutToolTipText(params->rgvarg[0]);
        VARIANT value;
        VariantInit(&value);
        const VARTYPE type = id == kVisible || id == kEnabled ? VT_BOOL : VT_I4;
        const HRESULT hr = VariantChangeType(&value, &params->rgvarg[0], 0, type);
        if (FAILED(hr)) return hr;
        const RECT bounds = site_.bounds_;
        const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
        switch (id) {
            case kVisible: site_.SetVisible(value.boolVal != VARIANT_FALSE); return S_OK;
            case kEnabled: site_.SetEnabled(value.boolVal != VARIANT_FALSE); return S_OK;
            case kLeft: site_.Move(value.lVal, bounds.top, width, height); return S_OK;
            case kTop: site_.Move(bounds.left, value.lVal, width, height); return S_OK;
            case kWidth: site_.Move(bounds.left, bounds.top, value.lVal, height); return S_OK;
            case kHeight: site_.Move(bounds.left, bounds.top, width, value.lVal); return S_OK;
            case kAlign:
                if (!(site_.miscStatus_ & OLEMISC_ALIGNABLE)) return DISP_E_MEMBERNOTFOUND;
                if (!site_.host_.SetAlign(site_, value.lVal)) return RaiseError(kErrInvalidPropertyValue, L"Align");
                return S_OK;
            default: return DISP_E_MEMBERNOTFOUND;
        }
    }

    // Only kept: the control reads it at its next resize, as the form runtime's controls do.
    HRESULT PutToolTipText(VARIANT& given) {
        VARIANT text;
        VariantInit(&text);
        const HRESULT hr = VariantChangeType(&text, &given, 0, VT_BSTR);
        if (FAILED(hr)) return hr;
        site_.toolTipText_.assign(text.bstrVal, SysStringLen(text.bstrVal));
        VariantClear(&text);
        return S_OK;
    }
};

// --- the site ---

ControlSite::ControlSite(ControlHost& host, std::wstring name, const RECT& bounds, ControlEventHandler onEvent,
                         ControlSite* parent)
    : host_(host),
      parent_(parent),
      name_(std::move(name)),
      bounds_(bounds),
      onEvent_(std::move(onEvent)),
      eventSink_(new EventSink(*this)),
      propertySink_(new PropertySink(*this)),
      extender_(new Extender(*this)) {}

ControlSite::~ControlSite() { Detach(); }

STDMETHODIMP ControlSite::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleControlSite) *out = static_cast<IOleControlSite*>(this);
    else if (iid == IID_ISimpleFrameSite) *out = static_cast<ISimpleFrameSite*>(this);
    else if (iid == IID_IDispatch) *out = static_cast<IDispatch*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ControlSite::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) ControlSite::Release() {
    const ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
}

HRESULT ControlSite::Attach(IUnknown* control, IPropertyBag* bag) {
    if (!control) return E_POINTER;
    HRESULT hr = control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&oleObject_));
    if (FAILED(hr)) return hr;
    control_ = control;
    control_->AddRef();
    control_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
    oleObject_->GetMiscStatus(DVASPECT_CONTENT, &miscStatus_);
    const bool siteFirst = (miscStatus_ & OLEMISC_SETCLIENTSITEFIRST) != 0;
    if (siteFirst) oleObject_->SetClientSite(this);
    hr = Initialise(bag);
    if (FAILED(hr)) return hr;
    if (!siteFirst) oleObject_->SetClientSite(this);

    IProvideClassInfo2* classInfo = nullptr;
    if (SUCCEEDED(control_->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&classInfo)))) {
        classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &eventIid_);
        classInfo->Release();
    }
    if (eventIid_ != IID_NULL) Connect(eventIid_, eventSink_.get(), &eventCookie_);
    Connect(IID_IPropertyNotifySink, propertySink_.get(), &propertyCookie_);
    hr = oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, ParentWindow(), &bounds_);
    // Above everything the container window already holds (a label's own picture box among it).
    if (SUCCEEDED(hr) && parent_)
        SetWindowPos(ControlWindow(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return hr;
}

HRESULT ControlSite::Initialise(IPropertyBag* bag) {
    if (bag) {
        IPersistPropertyBag* persist = nullptr;
        HRESULT hr = control_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
        if (FAILED(hr)) return hr;
        hr = persist->Load(bag, nullptr);
        persist->Release();
        return hr;
    }
    IPersistStreamInit* persist = nullptr;
    if (SUCCEEDED(control_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
        const HRESULT hr = persist->InitNew();
        persist->Release();
        return hr;
    }
    IPersistPropertyBag* bagPersist = nullptr;
    if (SUCCEEDED(control_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&bagPersist)))) {
        const HRESULT hr = bagPersist->InitNew();
        bagPersist->Release();
        return hr;
    }
    return S_OK;
}

void ControlSite::Connect(REFIID iid, IUnknown* sink, DWORD* cookie) {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(control_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(iid, &point))) {
        point->Advise(sink, cookie);
        point->Release();
    }
    container->Release();
}

void ControlSite::Disconnect(REFIID iid, DWORD* cookie) {
    if (!*cookie || !control_) return;
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(control_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        IConnectionPoint* point = nullptr;
        if (SUCCEEDED(container->FindConnectionPoint(iid, &point))) {
            point->Unadvise(*cookie);
            point->Release();
        }
        container->Release();
    }
    *cookie = 0;
}

// Breaks the cycles between the site and its control, then lets the control go.
void ControlSite::Detach() {
    if (!control_) return;
    AddRef();
    Disconnect(eventIid_, &eventCookie_);
    Disconnect(IID_IPropertyNotifySink, &propertyCookie_);
    if (oleObject_) {
        oleObject_->Close(OLECLOSE_NOSAVE);
        oleObject_->SetClientSite(nullptr);
        oleObject_->Release();
        oleObject_ = nullptr;
    }
    if (dispatch_) dispatch_->Release();
    dispatch_ = nullptr;
    IUnknown* control = control_;
    control_ = nullptr;
    control->Release();
    Release();
}

IDispatch* ControlSite::ExtenderDispatch() const { return extender_.get(); }

HWND ControlSite::ControlWindow() const {
    HWND window = nullptr;
    IOleWindow* ole = nullptr;
    if (control_ && SUCCEEDED(control_->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&ole)))) {
        ole->GetWindow(&window);
        ole->Release();
    }
    return window;
}

HWND ControlSite::ParentWindow() const { return parent_ ? parent_->ControlWindow() : host_.Window(); }

HRESULT ControlSite::Save(IPropertyBag* bag) {
    IPersistPropertyBag* persist = nullptr;
    if (!control_) return E_UNEXPECTED;
    HRESULT hr = control_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist));
    if (FAILED(hr)) return hr;
    hr = persist->Save(bag, TRUE, TRUE);
    persist->Release();
    return hr;
}

void ControlSite::NotifyAmbientChange(DISPID id) {
    IOleControl* control = nullptr;
    if (control_ && SUCCEEDED(control_->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control)))) {
        control->OnAmbientPropertyChange(id);
        control->Release();
    }
}

bool ControlSite::HasAccessKey(const MSG& message) const {
    IOleControl* control = nullptr;
    if (!control_ || FAILED(control_->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control))))
        return false;
    CONTROLINFO info = {sizeof(info)};
    bool found = false;
    if (SUCCEEDED(control->GetControlInfo(&info)) && info.hAccel && info.cAccel) {
        std::vector<ACCEL> table(info.cAccel);
        const int count = CopyAcceleratorTableW(info.hAccel, table.data(), info.cAccel);
        for (int i = 0; i < count && !found; ++i) found = table[i].key == static_cast<WORD>(message.wParam);
    }
    control->Release();
    return found;
}

bool ControlSite::Visible() const {
    const HWND window = ControlWindow();
    return window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ControlSite::SetVisible(bool visible) {
    if (const HWND window = ControlWindow()) ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

// The container decides the place: the control is told through SetObjectRects, as for a move by the host.
void ControlSite::Move(int left, int top, int width, int height) {
    const RECT place = {left, top, left + width, top + height};
    OnPosRectChange(&place);
}

// A control with an Enabled of its own keeps its look in step; false when it has none.
bool ControlSite::SetOwnEnabled(bool enabled) {
    LPOLESTR name = const_cast<LPOLESTR>(L"Enabled");
    DISPID id = DISPID_UNKNOWN;
    if (!dispatch_ || FAILED(dispatch_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return false;
    VARIANT value;
    value.vt = VT_BOOL;
    value.boolVal = enabled ? VARIANT_TRUE : VARIANT_FALSE;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&value, &named, 1, 1};
    return SUCCEEDED(
        dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr));
}

// A disabled container keeps its children's focus: the focus moves on instead.
void ControlSite::SetEnabled(bool enabled) {
    const HWND window = ControlWindow();
    const bool hadFocus = !enabled && HoldsFocus(window);
    if (!SetOwnEnabled(enabled) && window) EnableWindow(window, enabled);
    if (hadFocus && HoldsFocus(window)) host_.PassFocusOn(*this, true);
}

void ControlSite::SetFocus() {
    if (const HWND window = ControlWindow()) ::SetFocus(window);
}

STDMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::GetContainer(IOleContainer** out) {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ControlSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = ParentWindow();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip) return E_POINTER;
    *frame = nullptr;
    *document = nullptr;
    *position = bounds_;
    *clip = bounds_;
    if (info) {
        info->fMDIApp = FALSE;
        info->hwndFrame = host_.Window();
        info->haccel = nullptr;
        info->cAccelEntries = 0;
    }
    return S_OK;
}

STDMETHODIMP ControlSite::OnPosRectChange(LPCRECT position) {
    if (!position) return E_POINTER;
    bounds_ = *position;
    IOleInPlaceObject* inPlace = nullptr;
    if (control_ && SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&bounds_, &bounds_);
        inPlace->Release();
    }
    return S_OK;
}

STDMETHODIMP ControlSite::TranslateAccelerator(MSG* message, DWORD modifiers) {
    if (!message || message->message != WM_KEYDOWN || message->wParam != VK_TAB) return S_FALSE;
    host_.PassFocusOn(*this, (modifiers & kKeyModShift) == 0);
    return S_OK;
}

namespace {

// What a plain child window (button, edit box, list) tells its parent about itself.
bool IsChildNotification(UINT message) {
    switch (message) {
        case WM_COMMAND: case WM_NOTIFY: case WM_DRAWITEM: case WM_MEASUREITEM:
        case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: case WM_CTLCOLORDLG: case WM_CTLCOLORMSGBOX:
            return true;
        default:
            return false;
    }
}

}  // namespace

STDMETHODIMP ControlSite::PreMessageFilter(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                                           DWORD* cookie) {
    if (cookie) *cookie = 0;
    if (!result || !IsChildNotification(message)) return S_OK;
    *result = SendMessageW(host_.Window(), message, wParam, lParam);
    return S_FALSE;
}

STDMETHODIMP ControlSite::GetExtendedControl(IDispatch** out) {
    if (!out) return E_POINTER;
    *out = extender_.get();
    (*out)->AddRef();
    return S_OK;
}

STDMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                 UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    switch (id) {
        case DISPID_AMBIENT_USERMODE:
            result->vt = VT_BOOL;
            result->boolVal = host_.UserMode() ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        case DISPID_AMBIENT_RIGHTTOLEFT:
            result->vt = VT_BOOL;
            result->boolVal = host_.RightToLeft() ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        case DISPID_AMBIENT_FONT:
            if (!host_.Font()) return DISP_E_MEMBERNOTFOUND;
            result->vt = VT_DISPATCH;
            result->pdispVal = host_.Font();
            result->pdispVal->AddRef();
            return S_OK;
        case DISPID_AMBIENT_DISPLAYNAME:
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(name_.c_str());
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

// --- the host ---

ControlHost::ControlHost(HWND window) : window_(window), font_(CreateDefaultFont()) {}

ControlHost::~ControlHost() {
    while (!sites_.empty()) Remove(sites_.back());
    if (font_) font_->Release();
}

ControlSite* ControlHost::Place(REFCLSID clsid, const std::wstring& name, const RECT& bounds, IPropertyBag* bag,
                                ControlEventHandler onEvent, HRESULT* result, const Placement& placement) {
    IUnknown* control = nullptr;
    const HRESULT hr =
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&control));
    if (FAILED(hr)) {
        if (result) *result = hr;
        return nullptr;
    }
    ControlSite* site = PlaceObject(control, name, bounds, bag, std::move(onEvent), result, placement);
    control->Release();
    return site;
}

ControlSite* ControlHost::PlaceObject(IUnknown* control, const std::wstring& name, const RECT& bounds,
                                      IPropertyBag* bag, ControlEventHandler onEvent, HRESULT* result,
                                      const Placement& placement) {
    const bool parentHolds = !placement.parent || ((placement.parent->MiscStatus() & OLEMISC_SIMPLEFRAME) &&
                                                   placement.parent->ControlWindow() &&
                                                   std::count(sites_.begin(), sites_.end(), placement.parent));
    if (!parentHolds || !IsDockEdge(placement.align)) {
        if (result) *result = E_INVALIDARG;
        return nullptr;
    }
    auto* site = new (std::nothrow) ControlSite(*this, name, bounds, std::move(onEvent), placement.parent);
    if (!site) {
        if (result) *result = E_OUTOFMEMORY;
        return nullptr;
    }
    const HRESULT hr = site->Attach(control, bag);
    if (result) *result = hr;
    if (FAILED(hr)) {
        site->Detach();
        site->Release();
        return nullptr;
    }
    sites_.push_back(site);
    if (placement.align != 0 && !(site->MiscStatus() & OLEMISC_ALIGNABLE)) {
        Remove(site);
        if (result) *result = E_INVALIDARG;
        return nullptr;
    }
    if (placement.align != 0) SetAlign(*site, placement.align);
    return site;
}

void ControlHost::Remove(ControlSite* site) {
    auto found = std::find(sites_.begin(), sites_.end(), site);
    if (found == sites_.end()) return;
    for (size_t i = sites_.size(); i-- > 0;)
        if (i < sites_.size() && sites_[i]->Parent() == site) Remove(sites_[i]);
    sites_.erase(std::find(sites_.begin(), sites_.end(), site));
    dockParents_.Unsubclass(site->ControlWindow());
    site->Detach();
    site->Release();
}

bool ControlHost::SetAlign(ControlSite& site, long align) {
    if (!IsDockEdge(align)) return false;
    site.align_ = align;
    const HWND parent = site.ParentWindow();
    if (align != 0 && parent && !dockParents_.IsSubclassed(parent) && dockParents_.Subclass(parent) >= 0)
        dockParents_.AddMessage(parent, WM_SIZE, WindowSubclasser::kAfter);
    LayOutDocked(parent);
    return true;
}

void ControlHost::LayOutDocked(HWND parent) {
    std::vector<ControlSite*> docked;
    std::vector<DockedItem> items;
    for (ControlSite* site : sites_) {
        if (site->align_ == 0 || site->ParentWindow() != parent) continue;
        const RECT& b = site->Bounds();
        docked.push_back(site);
        items.push_back({static_cast<DockEdge>(site->align_), b.right - b.left, b.bottom - b.top});
    }
    if (docked.empty()) return;
    RECT client = {};
    GetClientRect(parent, &client);
    const std::vector<DockRect> places = DockPlaces({client.left, client.top, client.right, client.bottom}, items);
    for (size_t i = 0; i < docked.size(); ++i) {
        const DockRect& p = places[i];
        const RECT& b = docked[i]->Bounds();
        if (b.left != p.left || b.top != p.top || b.right != p.right || b.bottom != p.bottom)
            docked[i]->Move(p.left, p.top, p.right - p.left, p.bottom - p.top);
    }
}

void ControlHost::SubclassCallback(bool, bool&, LRESULT&, HWND window, UINT& message, WPARAM&, LPARAM&) {
    if (message == WM_SIZE) LayOutDocked(window);
}

void ControlHost::AnnounceAmbient(DISPID id) {
    for (ControlSite* site : sites_) site->NotifyAmbientChange(id);
}

void ControlHost::SetUserMode(bool value) {
    userMode_ = value;
    AnnounceAmbient(DISPID_AMBIENT_USERMODE);
}

void ControlHost::SetRightToLeft(bool value) {
    rightToLeft_ = value;
    AnnounceAmbient(DISPID_AMBIENT_RIGHTTOLEFT);
}

void ControlHost::SetFont(IFontDisp* font) {
    IFontDisp* copy = CloneFont(font);
    if (!copy) return;
    if (font_) font_->Release();
    font_ = copy;
    AnnounceAmbient(DISPID_AMBIENT_FONT);
}

// Tab and Shift+Tab move the focus through the controls in the order they were placed, past those
// that are hidden or disabled or sit in a hidden or disabled container.
bool ControlHost::MoveFocus(bool forward) {
    // The innermost control holding the focus: containers come before what they hold.
    HWND from = nullptr;
    bool anyTaker = false;
    for (ControlSite* site : sites_) {
        const HWND window = site->ControlWindow();
        if (HoldsFocus(window)) from = window;
        anyTaker = anyTaker || CanTakeFocus(window, window_);
    }
    if (!anyTaker) return false;
    if (!from) from = window_;
    PassFocusFrom(from, forward, false);
    return true;
}

void ControlHost::PassFocusOn(ControlSite& from, bool forward) { PassFocusFrom(from.ControlWindow(), forward, true); }

void ControlHost::PassFocusFrom(HWND from, bool forward, bool fromRefuses) {
    std::vector<HWND> order;
    for (ControlSite* site : sites_) order.push_back(site->ControlWindow());
    const size_t count = order.size();
    PassFocus(from, fromRefuses, window_, [&](HWND current) -> HWND {
        const auto at = std::find(order.begin(), order.end(), current);
        size_t i = at == order.end() ? (forward ? count - 1 : 0) : static_cast<size_t>(at - order.begin());
        for (size_t step = 0; step < count; ++step) {
            i = forward ? (i + 1) % count : (i + count - 1) % count;
            if (CanTakeFocus(order[i], window_)) return order[i];
        }
        return nullptr;
    });
}

bool ControlHost::TranslateAccelerator(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB)
        return MoveFocus(GetKeyState(VK_SHIFT) >= 0);
    if (message.message != WM_SYSKEYDOWN) return false;
    for (ControlSite* site : sites_) {
        if (!site->HasAccessKey(message)) continue;
        IOleControl* control = nullptr;
        if (SUCCEEDED(site->Control()->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control)))) {
            MSG copy = message;
            control->OnMnemonic(&copy);
            control->Release();
        }
        return true;
    }
    return false;
}

}  // namespace kx
