#include "KxCalculator.h"

#include <commctrl.h>

#include <cmath>
#include <string>

#include "CalculatorLayout.h"
#include "ErrorInfo.h"
#include "AmbientProperties.h"
#include "FontViews.h"
#include "ModuleState.h"
#include "PlatformNumbers.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxCalculator";
constexpr DISPID kGetValue = -601;
constexpr COLORREF kReadoutBack = RGB(0x86, 0xBC, 0x83);  // &H0083BC86
constexpr COLORREF kReadoutText = RGB(0xFF, 0xFF, 0x00);  // &H0000FFFF
constexpr UINT_PTR kFirstButtonId = 100;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Pixels(int twips) { return MulDiv(twips, ScreenDpi(), 1440); }

// Whether the platform has the face itself rather than a stand-in for it.
bool HasFace(HFONT font, const wchar_t* face) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t chosen[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, chosen);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return lstrcmpiW(chosen, face) == 0;
}

}  // namespace

KxCalculator::KxCalculator()
    : Control<_kxCalculator>(CLSID_kxCalculator, DIID___kxCalculator, kCalculatorWidth, kCalculatorHeight),
      engine_(PlatformNumbers::Instance()) {
    if (IFontDisp* arial = CreateFontObject(L"Arial", 8.25, DEFAULT_CHARSET)) {
        SetFont(arial);
        arial->Release();
    }
    readoutFont_ = CreateFontObject(L"Arial", 12, DEFAULT_CHARSET);
    readoutBrush_ = CreateSolidBrush(kReadoutBack);
    CreateReadout();
    CreateButtons();
}

KxCalculator::~KxCalculator() {
    subclasser_.UnsubclassAll();
    if (tooltip_) DestroyWindow(tooltip_);
    if (readoutFont_) readoutFont_->Release();
    if (symbolFont_) DeleteObject(symbolFont_);
    if (readoutBrush_) DeleteObject(readoutBrush_);
}

// --- the parts ---

void KxCalculator::CreateReadout() {
    readout_ = CreateWindowExW(0, L"EDIT", engine_.Readout().c_str(),
                               WS_CHILD | WS_VISIBLE | ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL, 0, 0,
                               Pixels(kReadoutWidth), Pixels(kReadoutHeight), Hwnd(), nullptr, ModuleHandle(), nullptr);
    if (!readout_) return;
    SendMessageW(readout_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleOf(readoutFont_)), FALSE);
    if (subclasser_.Subclass(readout_) >= 0) {
        subclasser_.AddMessage(readout_, WM_CHAR, WindowSubclasser::kBefore);
        subclasser_.AddMessage(readout_, WM_SETFOCUS, WindowSubclasser::kAfter);
    }
}

void KxCalculator::CreateButtons() {
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, Hwnd(), nullptr,
                               ModuleHandle(), nullptr);
    const HFONT font = FontHandleOf(Font());
    for (int i = 0; i < kCalculatorButtonCount; ++i) {
        const CalculatorButtonSpec& spec = kCalculatorButtons[i];
        const bool back = spec.kind == CalculatorButtonKind::Back;
        const HFONT symbol = back ? BackButtonFont() : nullptr;
        const std::wstring caption = back && !symbol ? std::wstring(1, kBackArrow) : spec.caption;
        buttons_[i] = CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      Pixels(spec.left), Pixels(spec.top), Pixels(kCalculatorButtonWidth),
                                      Pixels(spec.height), Hwnd(), reinterpret_cast<HMENU>(kFirstButtonId + i),
                                      ModuleHandle(), nullptr);
        if (!buttons_[i]) continue;
        SendMessageW(buttons_[i], WM_SETFONT, reinterpret_cast<WPARAM>(symbol ? symbol : font), FALSE);
        if (!spec.tooltip || !tooltip_) continue;
        TTTOOLINFOW tool = {sizeof(tool)};
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(buttons_[i]);
        tool.lpszText = const_cast<LPWSTR>(spec.tooltip);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Wingdings 8.25 pt, where the platform has it (its character 232 is an arrow); null otherwise.
HFONT KxCalculator::BackButtonFont() {
    if (symbolFont_) return symbolFont_;
    LOGFONTW face = {};
    face.lfHeight = -MulDiv(825, ScreenDpi(), 7200);
    face.lfCharSet = SYMBOL_CHARSET;
    lstrcpynW(face.lfFaceName, L"Wingdings", LF_FACESIZE);
    symbolFont_ = CreateFontIndirectW(&face);
    if (symbolFont_ && !HasFace(symbolFont_, L"Wingdings")) {
        DeleteObject(symbolFont_);
        symbolFont_ = nullptr;
    }
    return symbolFont_;
}

int KxCalculator::IndexOfButton(HWND button) const {
    for (int i = 0; i < kCalculatorButtonCount; ++i)
        if (buttons_[i] && buttons_[i] == button) return i;
    return -1;
}

// --- presses ---

void KxCalculator::Press(int index) {
    if (index < 0 || index >= kCalculatorButtonCount) return;
    const CalculatorButtonSpec& spec = kCalculatorButtons[index];
    CalculatorOutcome outcome;
    switch (spec.kind) {
        case CalculatorButtonKind::Number: outcome = engine_.Digit(spec.tag); break;
        case CalculatorButtonKind::Operator: outcome = engine_.Operator(spec.tag); break;
        case CalculatorButtonKind::Percent: outcome = engine_.Percent(); break;
        case CalculatorButtonKind::Fraction: outcome = engine_.Fraction(spec.tag); break;
        case CalculatorButtonKind::Memory: outcome = engine_.Memory(spec.tag); break;
        case CalculatorButtonKind::Decimal: outcome = engine_.Decimal(); break;
        case CalculatorButtonKind::Back: outcome = engine_.Back(); break;
        case CalculatorButtonKind::Clear: outcome = engine_.Clear(); break;
    }
    Apply(outcome);
}

// The focus goes to the readout before GetValue: a host that hides the calculator there moves it on.
void KxCalculator::Apply(const CalculatorOutcome& outcome) {
    ShowReadout();
    if (outcome.divisionByZero)
        MessageBoxW(GetAncestor(Hwnd(), GA_ROOT), L"Can't divide by zero", L"Calculator", MB_OK | MB_ICONEXCLAMATION);
    FocusReadout();
    if (outcome.getValue) RaiseEvent(kGetValue);
}

void KxCalculator::ShowReadout() {
    if (readout_) SetWindowTextW(readout_, engine_.Readout().c_str());
}

void KxCalculator::FocusReadout() {
    if (readout_ && GetFocus() != readout_ && IsWindowVisible(readout_)) SetFocus(readout_);
}

// Keys typed into the readout act as their buttons; every other character is dropped (it is read-only).
void KxCalculator::SubclassCallback(bool before, bool& handled, LRESULT& result, HWND, UINT& message,
                                    WPARAM& wParam, LPARAM&) {
    try {
        if (!before && message == WM_SETFOCUS) {
            HideCaret(readout_);
            return;
        }
        if (before && message == WM_CHAR) {
            handled = true;
            result = 0;
            Apply(engine_.Key(static_cast<wchar_t>(wParam)));
        }
    } catch (...) {
        handled = before;
        result = 0;
    }
}

bool KxCalculator::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
        case WM_COMMAND: {
            const int index = IndexOfButton(reinterpret_cast<HWND>(lParam));
            if (index < 0 || HIWORD(wParam) != BN_CLICKED) return false;
            Press(index);
            *result = 0;
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) != readout_) return false;
            SetTextColor(reinterpret_cast<HDC>(wParam), kReadoutText);
            SetBkColor(reinterpret_cast<HDC>(wParam), kReadoutBack);
            *result = reinterpret_cast<LRESULT>(readoutBrush_);
            return true;
        case WM_SETFOCUS:  // the readout takes the keys
            FocusReadout();
            return false;
        default:
            return false;
    }
}

// --- life cycle ---

void KxCalculator::ReadProperties(const PropertyReader& bag) {
    engine_.ResetValue();
    ShowReadout();
    SetSurfaceEnabled(bag.Boolean(L"Enabled", true));
}

void KxCalculator::WriteProperties(const PropertyWriter& bag) { bag.Boolean(L"Enabled", SurfaceEnabled(), true); }

// The size is always the button grid's, whatever the host gives.
void KxCalculator::Resize() {
    if (sizing_) return;
    sizing_ = true;
    if (WidthTwips() != kCalculatorWidth) SetWidthTwips(kCalculatorWidth);
    if (HeightTwips() != kCalculatorHeight) SetHeightTwips(kCalculatorHeight);
    if (readout_) SetWindowPos(readout_, nullptr, 0, 0, ScaleWidth(), Pixels(kReadoutHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    sizing_ = false;
}

void KxCalculator::Show() { InvalidateRect(Hwnd(), nullptr, TRUE); }

// --- members ---

STDMETHODIMP KxCalculator::ResetValue() {
    return Guard(kSource, [&] {
        engine_.ResetValue();
        ShowReadout();
    });
}

STDMETHODIMP KxCalculator::get_Enabled(VARIANT_BOOL* Enabled) {
    if (!Enabled) return E_POINTER;
    *Enabled = SurfaceEnabled() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}
STDMETHODIMP KxCalculator::put_Enabled(VARIANT_BOOL Enabled) {
    return Guard(kSource, [&] {
        SetSurfaceEnabled(Enabled != VARIANT_FALSE);
        PropertyChanged(L"Enabled");
    });
}

// A pending operation is evaluated first; a readout that is not a number is a type mismatch.
STDMETHODIMP KxCalculator::get_Value(DOUBLE* Value) {
    return Guard(kSource, [&] {
        if (!Value) throw Error(kErrInvalidCall);
        CalculatorOutcome outcome;
        const std::optional<double> value = engine_.Evaluate(&outcome);
        Apply({outcome.divisionByZero, false, false});
        if (!value) throw Error(kErrTypeMismatch);
        *Value = *value;
    });
}
STDMETHODIMP KxCalculator::put_Value(DOUBLE Value) {
    return Guard(kSource, [&] {
        if (!std::isfinite(Value)) throw Error(kErrInvalidPropertyValue);
        engine_.Load(Value);
        ShowReadout();
    });
}

}  // namespace kx
