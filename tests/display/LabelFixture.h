#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "ControlHost.h"
#include "ControlTestSupport.h"
#include "Handles.h"
#include "Korvix32_h.h"
#include "KxLabel.h"

// Labels for tests: one outside any container, newly placed, read back pixel by pixel; one in the
// project's own container with its events recorded.
namespace kxtest {

inline void SetCaption(_kxLabel* label, const wchar_t* text) {
    BSTR caption = SysAllocString(text);
    label->put_Caption(caption);
    SysFreeString(caption);
}

class LooseLabel {
public:
    explicit LooseLabel(int width = 120, int height = 40, bool initNew = true) {
        if (initNew) {
            IPersistStreamInit* persist = nullptr;
            label->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
            persist->InitNew();
            persist->Release();
        }
        Resize(width, height);
    }
    ~LooseLabel() { label->Release(); }
    LooseLabel(const LooseLabel&) = delete;
    LooseLabel& operator=(const LooseLabel&) = delete;

    IOleObject* Ole() const { return static_cast<IOleObject*>(label); }
    void Resize(int width, int height) const {
        SIZEL size = {MulDiv(width, 2540, 96), MulDiv(height, 2540, 96)};
        Ole()->SetExtent(DVASPECT_CONTENT, &size);
    }
    // The picture box's context, as the hdc get gives it.
    HDC Dc() const {
        LONG dc = 0;
        label->get_hdc(&dc);
        return kx::HandleFromLong<HDC>(dc);
    }
    int Width() const { return label->PictureBox().ScaleWidth(); }
    int Height() const { return label->PictureBox().ScaleHeight(); }
    COLORREF At(int x, int y) const { return GetPixel(Dc(), x, y); }
    // A plain label to draw on: no border, a Tahoma font of the given size, the caption.
    void Plain(const wchar_t* caption, double points = 14) const {
        label->put_BorderStyle(kxlbNone);
        IFontDisp* font = MakeFont(L"Tahoma", points, true);
        label->putref_Font(font);
        font->Release();
        SetCaption(label, caption);
    }

    kx::KxLabel* label = new kx::KxLabel();
};

// The box around the pixels that pass a test; empty (right < left) when none does.
inline RECT PixelBounds(const LooseLabel& l, const std::function<bool(COLORREF)>& counts) {
    RECT box = {l.Width(), l.Height(), -1, -1};
    for (int y = 0; y < l.Height(); ++y)
        for (int x = 0; x < l.Width(); ++x) {
            if (!counts(l.At(x, y))) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x);
            box.bottom = std::max<LONG>(box.bottom, y);
        }
    return box;
}

// Labels placed in the project's container on a test window; the first one's events are recorded
// by name with their arguments in order ("MouseDown(1,0,5,6)").
class HostedLabels {
public:
    using Reaction = std::function<void(DISPID, DISPPARAMS*)>;
    explicit HostedLabels(int count = 1, Reaction react = nullptr) : react_(std::move(react)) {
        host_ = new kx::ControlHost(window_.hwnd());
        for (int i = 0; i < count; ++i) {
            auto* label = new kx::KxLabel();
            const RECT bounds = {10, 10 + 50 * i, 130, 40 + 50 * i};
            host_->PlaceObject(static_cast<IOleObject*>(label), L"lblTest" + std::to_wstring(i + 1), bounds,
                               nullptr, [this, i](DISPID id, DISPPARAMS* params) {
                                   if (i == 0) Record(id, params);
                               });
            labels_[i] = label;
        }
    }
    ~HostedLabels() {
        delete host_;
        for (kx::KxLabel* label : labels_)
            if (label) label->Release();
    }
    HostedLabels(const HostedLabels&) = delete;
    HostedLabels& operator=(const HostedLabels&) = delete;

    kx::KxLabel* label(int i = 0) const { return labels_[i]; }
    HWND ControlWindow(int i = 0) const { return WindowOf(static_cast<IOleObject*>(labels_[i])); }
    HWND PictureWindow(int i = 0) const {
        LONG hwnd = 0;
        labels_[i]->get_Hwnd(&hwnd);
        return kx::HandleFromLong<HWND>(hwnd);
    }
    HWND HostWindow() const { return window_.hwnd(); }
    kx::ControlHost& host() const { return *host_; }
    std::wstring TakeEvents() { return std::exchange(events_, std::wstring()); }
    bool recordMoves = false;

private:
    void Record(DISPID id, DISPPARAMS* params) {
        if (react_) react_(id, params);
        if (id == DISPID_MOUSEMOVE && !recordMoves) return;
        std::wstring entry = kxtest::StockEventName(id);
        if (params->cArgs) {
            entry += L"(";
            for (UINT i = params->cArgs; i-- > 0;) {
                const VARIANT& v = params->rgvarg[i];
                entry += (v.vt & VT_TYPEMASK) == VT_R4 ? std::to_wstring(static_cast<int>(*v.pfltVal))
                                                        : std::to_wstring(*v.piVal);
                entry += i ? L"," : L")";
            }
        }
        events_ += (events_.empty() ? L"" : L" ") + entry;
    }

    kxtest::HostWindow window_{300, 200};
    kx::ControlHost* host_ = nullptr;
    kx::KxLabel* labels_[4] = {};
    std::wstring events_;
    Reaction react_;
};

}  // namespace kxtest
