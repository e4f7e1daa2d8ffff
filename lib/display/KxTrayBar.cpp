#include "KxTrayBar.h"

#include "AboutBox.h"
#include "AmbientProperties.h"
#include "ErrorInfo.h"
#include "Handles.h"
#include "LateBinding.h"
#include "MemberValues.h"
#include "PictureObjects.h"
#include "Text.h"
#include "TrayIcon.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxTrayBar";
constexpr int kSizeTwips = 720;
constexpr UINT kNewInterval = 500;

enum TrayEvent : DISPID { kPictureChanged = 1, kMouseMove, kMouseDown, kMouseUp, kDblClick };

// The icon's mouse messages and what each raises, with its Button.
struct IconAction {
    UINT message;
    DISPID event;
    short button;
};
const IconAction kIconActions[] = {
    {WM_LBUTTONDOWN, kMouseDown, 1}, {WM_LBUTTONUP, kMouseUp, 1}, {WM_LBUTTONDBLCLK, kDblClick, 1},
    {WM_RBUTTONDOWN, kMouseDown, 2}, {WM_RBUTTONUP, kMouseUp, 2}, {WM_RBUTTONDBLCLK, kDblClick, 2},
    {WM_MBUTTONDOWN, kMouseDown, 4}, {WM_MBUTTONUP, kMouseUp, 4}, {WM_MBUTTONDBLCLK, kDblClick, 4},
};

// The icon handle of a picture; null for none and for a picture that holds no icon.
HICON IconOf(IPictureDisp* picture) {
    const PictureRef ref = PictureOf(picture);
    SHORT type = PICTYPE_NONE;
    if (!ref || FAILED(ref->get_Type(&type)) || type != PICTYPE_ICON) return nullptr;
    return static_cast<HICON>(PictureHandle(ref.get()));
}

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

KxTrayBar::KxTrayBar()
    : Control<_kxTrayBar>(CLSID_kxTrayBar, DIID___kxTrayBar, kSizeTwips, kSizeTwips),
      timer_(static_cast<IOleObject*>(this), [this] { Step(); }) {
    timer_.SetEnabled(false);
    timer_.SetInterval(kNewInterval);
    record_.cbSize = kTrayRecordSize;
    record_.uCallbackMessage = kTrayCallbackMessage;
    FillTrayTooltip(record_, L"");
    DrawFace();
}

KxTrayBar::~KxTrayBar() {
    Remove();
    if (picture_) picture_->Release();
    if (imageList_) imageList_->Release();
}

// --- life cycle ---

DWORD KxTrayBar::MiscStatus() const { return OLEMISC_INVISIBLEATRUNTIME; }

void KxTrayBar::InitProperties() {
    visibleOnTray_ = true;
    KeepEmptyPicture();
    toolTipText_.clear();
    Keep<IDispatch>(imageList_, nullptr);
    animate_ = false;
    autoReverse_ = false;
    enabled_ = true;
}

// The icon is added while the list is not read yet; the timer runs only while the host does.
void KxTrayBar::ReadProperties(const PropertyReader& bag) {
    visibleOnTray_ = bag.Boolean(L"VisibleOnTray", true);
    IPictureDisp* picture = bag.Picture(L"Picture", nullptr);
    Keep(picture_, picture);
    if (picture) picture->Release();
    toolTipText_ = bag.Text(L"ToolTipText", L"");
    if (Ambient().UserMode()) UpdateTrayIcon();
    IDispatch* list = bag.Reference(L"ImageList");
    Keep(imageList_, list);
    if (list) list->Release();
    const long interval = bag.Long(L"Interval", 0);
    timer_.SetInterval(interval > 0 ? static_cast<UINT>(interval) : 0);
    animate_ = bag.Boolean(L"Animate", false);
    autoReverse_ = bag.Boolean(L"AutoReverse", false);
    timer_.SetEnabled(Ambient().UserMode() && animate_);
    enabled_ = bag.Boolean(L"Enabled", true);
}

void KxTrayBar::WriteProperties(const PropertyWriter& bag) {
    bag.Boolean(L"VisibleOnTray", visibleOnTray_, true);
    bag.Picture(L"Picture", picture_);
    bag.Text(L"ToolTipText", toolTipText_, L"");
    bag.Reference(L"ImageList", imageList_);
    bag.Long(L"Interval", static_cast<long>(timer_.Interval()), 0);
    bag.Boolean(L"Animate", animate_, false);
    bag.Boolean(L"AutoReverse", autoReverse_, false);
    bag.Boolean(L"Enabled", enabled_, true);
}

// The control keeps its size whatever the host gives it.
void KxTrayBar::Resize() {
    if (WidthTwips() != kSizeTwips) SetWidthTwips(kSizeTwips);
    if (HeightTwips() != kSizeTwips) SetHeightTwips(kSizeTwips);
    DrawFace();
}

void KxTrayBar::Show() { DrawFace(); }

void KxTrayBar::Terminate() {
    timer_.SetEnabled(false);
    Remove();
}

// The designer's face: the application icon on the button face, in a thin frame.
void KxTrayBar::DrawFace() {
    Surface().SetBackColor(GetSysColor(COLOR_BTNFACE));
    Surface().Box(0, 0, ScaleWidth() - 1, ScaleHeight() - 1, GetSysColor(COLOR_BTNSHADOW));
    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    DrawIconEx(Hdc(), (ScaleWidth() - 32) / 2, (ScaleHeight() - 32) / 2, icon, 32, 32, 0, nullptr, DI_NORMAL);
    ShowSurface();
}

// --- the icon ---

void KxTrayBar::ChooseFirstImage() {
    if (picture_ || !imageList_ || ImageCount() < 1) return;
    IPictureDisp* first = Image(1);
    Keep(picture_, first);
    if (first) first->Release();
}

void KxTrayBar::UpdateTrayIcon() {
    ChooseFirstImage();
    if (!picture_ && !imageList_) KeepEmptyPicture();
    if (!visibleOnTray_) {
        Remove();
        return;
    }
    if (!Ambient().UserMode()) return;
    record_.hWnd = Hwnd();
    if (!record_.uID) record_.uID = NextTrayIdentifier();
    record_.uFlags = NIF_MESSAGE;
    if (const HICON icon = IconOf(picture_)) {
        record_.uFlags |= NIF_ICON;
        record_.hIcon = icon;
    }
    if (!toolTipText_.empty()) {
        record_.uFlags |= NIF_TIP;
        FillTrayTooltip(record_, toolTipText_);
    }
    AddOrModify();
    ReadTrayRect(trayRect_);
}

// The platform's answers are not checked: a refused call leaves the state as if it had succeeded.
void KxTrayBar::AddOrModify() {
    NotifyIcon(inTray_ ? NIM_MODIFY : NIM_ADD, record_);
    inTray_ = true;
}

void KxTrayBar::Modify(UINT flags) {
    record_.uFlags = flags;
    if (inTray_) NotifyIcon(NIM_MODIFY, record_);
}

void KxTrayBar::Remove() {
    if (!inTray_) return;
    NotifyIcon(NIM_DELETE, record_);
    inTray_ = false;
}

// The picture the runtime's loader gives for no file.
void KxTrayBar::KeepEmptyPicture() {
    IPictureDisp* empty = CreateEmptyPicture();
    Keep(picture_, empty);
    if (empty) empty->Release();
}

long KxTrayBar::ImageCount() const {
    OwnedVariant images;
    GetProperty(imageList_, L"ListImages", images);
    if (images->vt != VT_DISPATCH || !images->pdispVal) throw Error(kErrObjectRequired);
    return GetLongProperty(images->pdispVal, L"Count");
}

IPictureDisp* KxTrayBar::Image(long number) const {
    OwnedVariant images, item, picture;
    GetProperty(imageList_, L"ListImages", images);
    if (images->vt != VT_DISPATCH || !images->pdispVal) throw Error(kErrObjectRequired);
    GetProperty(images->pdispVal, L"Item", number, item);
    if (item->vt != VT_DISPATCH || !item->pdispVal) throw Error(kErrObjectRequired);
    GetProperty(item->pdispVal, L"Picture", picture);
    IPictureDisp* result = nullptr;
    if (picture->vt == VT_DISPATCH && picture->pdispVal)
        picture->pdispVal->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&result));
    return result;
}

// One tick: the next image of the list on the icon. A failing list skips the step.
void KxTrayBar::Step() {
    if (!imageList_ || !animate_) return;
    long count = 0;
    try {
        count = ImageCount();
        if (count < 1) return;
        IPictureDisp* image = Image(animation_.Shown(count) + 1);
        Keep(picture_, image);
        if (image) image->Release();
    } catch (...) {
        return;
    }
    RefreshTrayIcon();
    animation_.Advance(count, autoReverse_);
    RaiseEvent(kPictureChanged);
}

// The icon's callback comes as a mouse move whose X is the icon's mouse message.
void KxTrayBar::MouseMove(short, short, float x, float) {
    if (!enabled_) return;
    const UINT message = static_cast<UINT>(x);
    for (const IconAction& action : kIconActions) {
        if (action.message != message) continue;
        RaiseButtonEvent(action.event, action.button);
        return;
    }
    RaiseEvent(kMouseMove);
}

void KxTrayBar::RaiseButtonEvent(DISPID event, short button) {
    VARIANT arg;
    arg.vt = VT_BYREF | VT_I2;
    arg.piVal = &button;
    RaiseEvent(event, &arg, 1);
}

// --- members ---

STDMETHODIMP KxTrayBar::get_VisibleOnTray(VARIANT_BOOL* VisibleOnTray) { return Read(VisibleOnTray, Bool(visibleOnTray_)); }
STDMETHODIMP KxTrayBar::put_VisibleOnTray(VARIANT_BOOL VisibleOnTray) {
    return Guard(kSource, [&] {
        const bool value = VisibleOnTray != VARIANT_FALSE;
        if (value == visibleOnTray_) return;
        visibleOnTray_ = value;
        PropertyChanged(L"VisibleOnTray");
        UpdateTrayIcon();
    });
}

STDMETHODIMP KxTrayBar::get_Picture(IPictureDisp** Picture) { return Hand(picture_, Picture); }
// Nothing takes the icon out of the area as well as turning VisibleOnTray off.
STDMETHODIMP KxTrayBar::putref_Picture(IPictureDisp* Picture) {
    return Guard(kSource, [&] {
        Keep(picture_, Picture);
        PropertyChanged(L"Picture");
        if (!Picture) {
            visibleOnTray_ = false;
            Remove();
        } else if (visibleOnTray_) {
            if (const HICON icon = IconOf(Picture)) record_.hIcon = icon;
            Modify(NIF_ICON);
        }
    });
}

STDMETHODIMP KxTrayBar::get_ToolTipText(BSTR* ToolTipText) {
    return Guard(kSource, [&] { AssignBstr(ToolTipText, toolTipText_); });
}
STDMETHODIMP KxTrayBar::put_ToolTipText(BSTR ToolTipText) {
    return Guard(kSource, [&] {
        toolTipText_ = Trimmed(FromBstr(ToolTipText));
        PropertyChanged(L"ToolTipText");
        FillTrayTooltip(record_, toolTipText_);
        Modify(NIF_TIP);
    });
}

STDMETHODIMP KxTrayBar::RefreshTrayIcon() {
    return Guard(kSource, [&] {
        ChooseFirstImage();
        if (!visibleOnTray_) {
            Remove();
            return;
        }
        if (!Ambient().UserMode()) return;
        if (const HICON icon = IconOf(picture_)) record_.hIcon = icon;
        Modify(record_.uFlags | NIF_ICON);
    });
}

STDMETHODIMP KxTrayBar::get_ImageList(IDispatch** ImageList) { return Hand(imageList_, ImageList); }
STDMETHODIMP KxTrayBar::putref_ImageList(IDispatch* ImageList) {
    return Guard(kSource, [&] {
        Keep(imageList_, ImageList);
        PropertyChanged(L"ImageList");
    });
}

STDMETHODIMP KxTrayBar::get_Interval(LONG* Interval) { return Read(Interval, timer_.Interval()); }
STDMETHODIMP KxTrayBar::put_Interval(LONG Interval) {
    return Guard(kSource, [&] {
        if (Interval < 0) throw Error(kErrInvalidPropertyValue);
        timer_.SetInterval(static_cast<UINT>(Interval));
        PropertyChanged(L"Interval");
    });
}

STDMETHODIMP KxTrayBar::get_Animate(VARIANT_BOOL* Animate) { return Read(Animate, Bool(animate_)); }
STDMETHODIMP KxTrayBar::put_Animate(VARIANT_BOOL Animate) {
    return Guard(kSource, [&] {
        animate_ = Animate != VARIANT_FALSE;
        PropertyChanged(L"Animate");
        timer_.SetEnabled(animate_);
    });
}

STDMETHODIMP KxTrayBar::get_AutoReverse(VARIANT_BOOL* AutoReverse) { return Read(AutoReverse, Bool(autoReverse_)); }
STDMETHODIMP KxTrayBar::put_AutoReverse(VARIANT_BOOL AutoReverse) {
    return Guard(kSource, [&] {
        autoReverse_ = AutoReverse != VARIANT_FALSE;
        PropertyChanged(L"AutoReverse");
    });
}

STDMETHODIMP KxTrayBar::About() {
    return Guard(kSource, [&] { ShowAboutBox(L"Tray Icon"); });
}

STDMETHODIMP KxTrayBar::get_Enabled(VARIANT_BOOL* Enabled) { return Read(Enabled, Bool(enabled_)); }
STDMETHODIMP KxTrayBar::put_Enabled(VARIANT_BOOL Enabled) {
    return Guard(kSource, [&] {
        enabled_ = Enabled != VARIANT_FALSE;
        PropertyChanged(L"Enabled");
    });
}

STDMETHODIMP KxTrayBar::get_IconhWnd(LONG* IconhWnd) { return Read(IconhWnd, LongFromHandle(record_.hWnd)); }
STDMETHODIMP KxTrayBar::get_TrayBarRectLeft(LONG* TrayBarRectLeft) { return Read(TrayBarRectLeft, trayRect_.left); }
STDMETHODIMP KxTrayBar::get_TrayBarRectTop(LONG* TrayBarRectTop) { return Read(TrayBarRectTop, trayRect_.top); }
STDMETHODIMP KxTrayBar::get_TrayBarRectRight(LONG* TrayBarRectRight) { return Read(TrayBarRectRight, trayRect_.right); }
STDMETHODIMP KxTrayBar::get_TrayBarRectBottom(LONG* TrayBarRectBottom) {
    return Read(TrayBarRectBottom, trayRect_.bottom);
}

}  // namespace kx
