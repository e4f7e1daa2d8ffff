#include "KxAlert.h"

#include "AmbientProperties.h"
#include "ClassicRuntime.h"
#include "PictureObjects.h"
#include "TypeLibrary.h"

namespace kx {
namespace {

// The class's own font: Tahoma 8 pt, Arabic character set, plain.
IFontDisp* DefaultAlertFont() { return CreateFontObject(L"Tahoma", 8, ARABIC_CHARSET); }

}  // namespace

KxAlert::KxAlert() : events_(static_cast<IConnectionPointContainer*>(this), DIID___kxAlert) {
    settings_.font = DefaultAlertFont();
    settings_.picture = CreateEmptyPicture();
}

STDMETHODIMP KxAlert::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IConnectionPointContainer) *out = static_cast<IConnectionPointContainer*>(this);
    else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) *out = static_cast<IProvideClassInfo2*>(this);
    else return AutomationObject::QueryInterface(iid, out);
    AddRef();
    return S_OK;
}

void KxAlert::FontForRead() {
    if (!settings_.font) settings_.font = DefaultAlertFont();
}

void KxAlert::BeforeShowForm() {
    choice_ = 0;
    FontForRead();
}

void KxAlert::RaiseButtonClick(short& number) {
    VARIANT argument;
    argument.vt = VT_BYREF | VT_I2;
    argument.piVal = &number;
    RaiseEvent(events_, 1, &argument, 1);
}

STDMETHODIMP KxAlert::Show(BSTR mText, short* Result) {
    if (!Result) return E_POINTER;
    AddRef();  // the caller may drop the alert while its Show waits
    try {
        const unsigned long mark = selections_;
        StartShow(mText);
        *Result = settings_.HasButtons() ? WaitForChoice(mark) : choice_;
    } catch (...) {  // the class traps every error: Show returns the stored choice
        *Result = choice_;
    }
    SetErrorInfo(0, nullptr);
    Release();
    return S_OK;
}

short KxAlert::WaitForChoice(unsigned long mark) {
    IDispatch* self = static_cast<IDispatch*>(this);
    WaitForMessagesUntil([&] { return selections_ != mark || !AlertWindow::AnyLoadedWindowOwnedBy(self); });
    return selections_ != mark ? lastSelected_ : choice_;
}

STDMETHODIMP KxAlert::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    *out = CreateConnectionPointEnumerator({&events_});
    return *out ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP KxAlert::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != events_.Iid()) return CONNECT_E_NOCONNECTION;
    *out = &events_;
    events_.AddRef();
    return S_OK;
}

STDMETHODIMP KxAlert::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = ClassTypeInfo(CLSID_kxAlert);
    if (!*info) return TYPE_E_ELEMENTNOTFOUND;
    (*info)->AddRef();
    return S_OK;
}

STDMETHODIMP KxAlert::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = events_.Iid();
    return S_OK;
}

}  // namespace kx
