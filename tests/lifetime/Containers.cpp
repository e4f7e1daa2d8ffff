#include "Containers.h"

#include <utility>

#include "ControlTestSupport.h"
#include "HostEventSink.h"

namespace kxtest {

SavedControl::SavedControl(IUnknown* control) {
    IPersistPropertyBag* bagPersist = nullptr;
    IPersistStreamInit* streamPersist = nullptr;
    if (SUCCEEDED(control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&bagPersist))) &&
        SUCCEEDED(control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&streamPersist))) &&
        SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream_)))
        saved_ = SUCCEEDED(bagPersist->Save(bag_, TRUE, TRUE)) && SUCCEEDED(streamPersist->Save(stream_, TRUE));
    if (bagPersist) bagPersist->Release();
    if (streamPersist) streamPersist->Release();
}

SavedControl::~SavedControl() {
    bag_->Release();
    if (stream_) stream_->Release();
}

IStream* SavedControl::Stream() const {
    const LARGE_INTEGER start = {};
    if (stream_) stream_->Seek(start, STREAM_SEEK_SET, nullptr);
    return stream_;
}

HWND Container::ControlWindow() const { return Control() ? WindowOf(Control()) : nullptr; }

namespace {

// The project's own container: the control's events reach the site's handler.
class OwnContainer : public Container {
public:
    explicit OwnContainer(HWND window) : Container(window), host_(window) {}

    IUnknown* Place(const LifetimeClass& cls, const SavedControl* saved) override {
        site_ = host_.Place(cls.Clsid(), L"placed", RECT{10, 10, 130, 70}, saved ? saved->Bag() : nullptr,
                            [this](DISPID event, DISPPARAMS*) { Raised(event); });
        return Control();
    }
    IUnknown* Control() const override { return site_ ? site_->Control() : nullptr; }
    IDispatch* Dispatch() const override { return site_ ? site_->Dispatch() : nullptr; }
    void Resize(int width, int height) override {
        if (site_) site_->Move(10, 10, width, height);
    }
    void Remove() override { host_.Remove(std::exchange(site_, nullptr)); }

private:
    kx::ControlHost host_;
    kx::ControlSite* site_ = nullptr;
};

// Wine's AtlAxWin: the control by its program identity on a child window; it goes with that window.
class AtlContainer : public Container {
public:
    explicit AtlContainer(HWND window) : Container(window), sink_([this](DISPID event) { Raised(event); }) {}
    ~AtlContainer() override { Remove(); }

    IUnknown* Place(const LifetimeClass& cls, const SavedControl* saved) override {
        const AxCreate create = LoadAtlAx();
        if (!create) return nullptr;
        place_ = CreateWindowExW(0, L"AtlAxWin", L"", WS_CHILD | WS_VISIBLE, 10, 10, 120, 60, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        IUnknown* container = nullptr;
        if (FAILED(create(cls.ProgId().c_str(), place_, saved ? saved->Stream() : nullptr, &container, &control_,
                          IID_NULL, nullptr)) ||
            !control_) {
            Remove();
            return nullptr;
        }
        if (container) container->Release();
        control_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
        sink_.Advise(control_);
        return control_;
    }
    IUnknown* Control() const override { return control_; }
    IDispatch* Dispatch() const override { return dispatch_; }
    void Resize(int width, int height) override {
        if (place_) MoveWindow(place_, 10, 10, width, height, TRUE);
    }
    void Remove() override {
        if (control_) sink_.Unadvise(control_);
        if (dispatch_) std::exchange(dispatch_, nullptr)->Release();
        if (place_) DestroyWindow(std::exchange(place_, nullptr));
        if (control_) std::exchange(control_, nullptr)->Release();
    }

private:
    HostEventSink sink_;
    HWND place_ = nullptr;
    IUnknown* control_ = nullptr;
    IDispatch* dispatch_ = nullptr;
};

}  // namespace

std::unique_ptr<Container> Container::Make(ContainerKind kind, HWND window) {
    if (kind == ContainerKind::kOwn) return std::make_unique<OwnContainer>(window);
    return std::make_unique<AtlContainer>(window);
}

void ShowAndPaint(HWND window) {
    ShowWindow(window, SW_SHOWNA);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(20);
}

}  // namespace kxtest
