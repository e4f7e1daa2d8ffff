#include "KxAlertWindow.h"

#include <string>

#include "AlertFace.h"
#include "AmbientProperties.h"
#include "PictureObjects.h"

namespace kx {
namespace {

constexpr int kSizeTwips = 480;


// The control's settings with their defaults, in bag order.
const AlertSettings kDefaults;

std::wstring TextButtonKey(int index) { return L"TextButton" + std::to_wstring(index + 1); }

}  // namespace

// Outside a container that initialises it, the control has the ambient defaults' font and reading order.
KxAlertWindow::KxAlertWindow()
    : AlertFrontEnd(CLSID_kxAlertWindow, DIID___kxAlertWindow, kSizeTwips, kSizeTwips) {
    settings_.font = CreateDefaultFont();
    settings_.picture = CreateEmptyPicture();
    settings_.rightToLeft = false;
}

STDMETHODIMP KxAlertWindow::GetMiscStatus(DWORD aspect, DWORD* status) {
    const HRESULT hr = ControlBase::GetMiscStatus(aspect, status);
    if (SUCCEEDED(hr)) *status |= OLEMISC_INVISIBLEATRUNTIME;
    return hr;
}

// Errors are not trapped here: they reach the caller, with the steps before them done.
STDMETHODIMP KxAlertWindow::Show(BSTR mText) {
    return Guard(Source(), [&] { StartShow(mText); });
}

void KxAlertWindow::RaiseButtonClick(short& number) {
    VARIANT argument;
    argument.vt = VT_BYREF | VT_I2;
    argument.piVal = &number;
    RaiseEvent(1, &argument, 1);
}

// --- life cycle ---

void KxAlertWindow::InitProperties() {
    IFontDisp* ambient = Ambient().Font();
    Hold(settings_.font, ambient);
    if (ambient) ambient->Release();
    IPictureDisp* empty = CreateEmptyPicture();
    Hold(settings_.picture, empty);
    if (empty) empty->Release();
    settings_.rightToLeft = Ambient().RightToLeft();
}

void KxAlertWindow::ReadProperties(const PropertyReader& bag) {
    AlertSettings& s = settings_;
    s.backColor = bag.Long(L"BackColor", kDefaults.backColor);
    s.borderStyle = bag.Long(L"BorderStyle", kDefaults.borderStyle);
    s.enabled = bag.Boolean(L"Enabled", kDefaults.enabled);
    IFontDisp* font = ReadFontProperty(bag, L"Font");
    Hold(s.font, font);
    if (font) font->Release();
    s.foreColor = bag.Long(L"ForeColor", kDefaults.foreColor);
    IPictureDisp* picture = bag.Picture(L"Picture", nullptr);
    Hold(s.picture, picture);
    if (picture) picture->Release();
    s.rightToLeft = bag.Boolean(L"RightToLeft", Ambient().RightToLeft());
    s.timeToClose = static_cast<float>(bag.Double(L"TimeToClose", kDefaults.timeToClose));
    s.separateWindow = bag.Boolean(L"SeparateWindow", kDefaults.separateWindow);
    s.showPosition = bag.Long(L"ShowPosition", kDefaults.showPosition);
    s.alwaysOnTop = bag.Boolean(L"AlwaysOnTop", kDefaults.alwaysOnTop);
    s.backStyle = bag.Long(L"BackStyle", kDefaults.backStyle);
    s.text = bag.Text(L"Text", kDefaults.text);
    s.autoSize = bag.Boolean(L"AutoSize", kDefaults.autoSize);
    s.windowWidth = bag.Long(L"WindowWidth", kDefaults.windowWidth);
    s.windowHeight = bag.Long(L"WindowHeight", kDefaults.windowHeight);
    s.clickClose = bag.Boolean(L"ClickClose", kDefaults.clickClose);
    s.showStyle = bag.Long(L"ShowStyle", kDefaults.showStyle);
    s.timeToShow = static_cast<float>(bag.Double(L"TimeToShow", kDefaults.timeToShow));
    s.buttonStyle = bag.Long(L"ButtonStyle", kDefaults.buttonStyle);
    for (int i = 0; i < 3; ++i) s.textButton[i] = bag.Text(TextButtonKey(i).c_str(), L"");
    s.defaultButton = static_cast<short>(bag.Long(L"DefaultButton", kDefaults.defaultButton));
    s.textTitle = bag.Text(L"TextTitle", kDefaults.textTitle);
    s.maxTransparent = static_cast<short>(bag.Long(L"MaxTransparent", kDefaults.maxTransparent));  // unclamped
}

void KxAlertWindow::WriteProperties(const PropertyWriter& bag) {
    const AlertSettings& s = settings_;
    bag.Long(L"BackColor", s.backColor, kDefaults.backColor);
    bag.Long(L"BorderStyle", s.borderStyle, kDefaults.borderStyle);
    bag.Boolean(L"Enabled", s.enabled, kDefaults.enabled);
    IFontDisp* ambient = Ambient().Font();
    bag.Font(L"Font", s.font, ambient);
    if (ambient) ambient->Release();
    bag.Long(L"ForeColor", s.foreColor, kDefaults.foreColor);
    bag.Picture(L"Picture", s.picture);
    bag.Boolean(L"RightToLeft", s.rightToLeft, Ambient().RightToLeft());
    bag.Single(L"TimeToClose", s.timeToClose, kDefaults.timeToClose);
    bag.Boolean(L"SeparateWindow", s.separateWindow, kDefaults.separateWindow);
    bag.Long(L"ShowPosition", s.showPosition, kDefaults.showPosition);
    bag.Boolean(L"AlwaysOnTop", s.alwaysOnTop, kDefaults.alwaysOnTop);
    bag.Long(L"BackStyle", s.backStyle, kDefaults.backStyle);
    bag.Text(L"Text", s.text, kDefaults.text);
    bag.Boolean(L"AutoSize", s.autoSize, kDefaults.autoSize);
    bag.Long(L"WindowWidth", s.windowWidth, kDefaults.windowWidth);
    bag.Long(L"WindowHeight", s.windowHeight, kDefaults.windowHeight);
    bag.Boolean(L"ClickClose", s.clickClose, kDefaults.clickClose);
    bag.Long(L"ShowStyle", s.showStyle, kDefaults.showStyle);
    bag.Single(L"TimeToShow", s.timeToShow, kDefaults.timeToShow);
    bag.Long(L"ButtonStyle", s.buttonStyle, kDefaults.buttonStyle);
    for (int i = 0; i < 3; ++i) bag.Text(TextButtonKey(i).c_str(), s.textButton[i], L"");
    bag.Long(L"DefaultButton", s.defaultButton, kDefaults.defaultButton);
    bag.Text(L"TextTitle", s.textTitle, kDefaults.textTitle);
    bag.Long(L"MaxTransparent", s.maxTransparent, kDefaults.maxTransparent);
}

// A fixed size, whatever the host asks.
void KxAlertWindow::Resize() {
    if (WidthTwips() != kSizeTwips) SetWidthTwips(kSizeTwips);
    if (HeightTwips() != kSizeTwips) SetHeightTwips(kSizeTwips);
}

void KxAlertWindow::Paint() { DrawAlertFace(Hdc(), ScaleWidth(), ScaleHeight()); }

void KxAlertWindow::Show() { KeepHiddenAtRunTime(); }

void KxAlertWindow::AmbientChanged(DISPID id) {
    if (id == DISPID_AMBIENT_USERMODE) KeepHiddenAtRunTime();
}

void KxAlertWindow::KeepHiddenAtRunTime() {
    if (Hwnd()) ShowWindow(Hwnd(), Ambient().UserMode() ? SW_HIDE : SW_SHOWNA);
}

}  // namespace kx
