#include "SurfaceFont.h"

#include "ComBase.h"
#include "AmbientProperties.h"

namespace kx {

// Hears the font object's property changes; holds its owner without a reference, so the font
// object does not keep the control alive.
class SurfaceFont::ChangeSink : public ComBase<IPropertyNotifySink> {
public:
    explicit ChangeSink(SurfaceFont* owner) : owner_(owner) {}
    virtual ~ChangeSink() = default;
    void Forget() { owner_ = nullptr; }
    STDMETHODIMP OnChanged(DISPID) override {
        if (owner_) owner_->Rebuild();
        return S_OK;
    }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }

private:
    SurfaceFont* owner_;
};

SurfaceFont::SurfaceFont(std::function<void()> onChange) : onChange_(std::move(onChange)) {
    sink_ = new ChangeSink(this);
    Set(nullptr);
}

SurfaceFont::~SurfaceFont() {
    Disconnect();
    sink_->Forget();
    sink_->Release();
    if (font_) font_->Release();
    if (handle_) DeleteObject(handle_);
}

void SurfaceFont::Set(IFontDisp* font) {
    IFontDisp* copy = font ? CloneFont(font) : CreateDefaultFont();
    if (!copy) return;
    Disconnect();
    if (font_) font_->Release();
    font_ = copy;
    Connect();
    Rebuild();
}

// The handle is a copy of the one the font object realises: the object may delete its own when it
// changes, while ours is still selected into the surface.
void SurfaceFont::Rebuild() {
    IFont* font = nullptr;
    HFONT realised = nullptr;
    if (font_ && SUCCEEDED(font_->QueryInterface(IID_IFont, reinterpret_cast<void**>(&font)))) {
        font->get_hFont(&realised);
        font->Release();
    }
    LOGFONTW description = {};
    HFONT made = nullptr;
    if (realised && GetObjectW(realised, sizeof(description), &description)) made = CreateFontIndirectW(&description);
    if (!made) return;
    HFONT old = handle_;
    handle_ = made;
    if (onChange_) onChange_();
    if (old) DeleteObject(old);
}

void SurfaceFont::Connect() {
    IConnectionPointContainer* container = nullptr;
    if (!font_ || FAILED(font_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, &point))) {
        if (FAILED(point->Advise(sink_, &cookie_))) cookie_ = 0;
        point->Release();
    }
    container->Release();
}

void SurfaceFont::Disconnect() {
    if (!font_ || !cookie_) return;
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(font_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        IConnectionPoint* point = nullptr;
        if (SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, &point))) {
            point->Unadvise(cookie_);
            point->Release();
        }
        container->Release();
    }
    cookie_ = 0;
}

}  // namespace kx
