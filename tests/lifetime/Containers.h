#pragma once
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <memory>
#include <ostream>

#include "ControlHost.h"
#include "LifetimeClasses.h"
#include "PropertyBag.h"

// The two containers the lifetime rows place controls in: the project's own and Wine's AtlAxWin.
namespace kxtest {

// What a save of a control wrote, in both persisted forms.
class SavedControl {
public:
    explicit SavedControl(IUnknown* control);
    ~SavedControl();
    SavedControl(const SavedControl&) = delete;
    SavedControl& operator=(const SavedControl&) = delete;

    bool Saved() const { return saved_; }
    IPropertyBag* Bag() const { return bag_; }
    IStream* Stream() const;  // at its start

private:
    kx::MemoryPropertyBag* bag_ = new kx::MemoryPropertyBag();
    IStream* stream_ = nullptr;
    bool saved_ = false;
};

enum class ContainerKind { kOwn, kAtl };

inline std::ostream& operator<<(std::ostream& out, ContainerKind kind) {
    return out << (kind == ContainerKind::kOwn ? "OwnContainer" : "AtlAxWin");
}

// A container holding at most one control on a window of the test's.
class Container {
public:
    virtual ~Container() = default;
    static std::unique_ptr<Container> Make(ContainerKind kind, HWND window);

    // A new control of the class, or one loaded from a save (the own container loads the bag, AtlAxWin the
    // stream). The control, held by the container; null on failure.
    virtual IUnknown* Place(const LifetimeClass& cls, const SavedControl* saved) = 0;
    virtual IUnknown* Control() const = 0;  // not add-ref'd; null once removed
    virtual void Resize(int width, int height) = 0;
    // The container lets the control go; a handler of the control's events may call it.
    virtual void Remove() = 0;
    // Every event of the control reaches the handler through the container's sink.
    void OnEvent(std::function<void(DISPID)> handler) { handler_ = std::move(handler); }

    virtual IDispatch* Dispatch() const = 0;  // the control's automation interface; not add-ref'd
    HWND ControlWindow() const;

protected:
    explicit Container(HWND window) : window_(window) {}
    void Raised(DISPID event) const {
        if (handler_) handler_(event);
    }
    HWND window_;

private:
    std::function<void(DISPID)> handler_;
};

// Shows the window and lets everything in it paint.
void ShowAndPaint(HWND window);

}  // namespace kxtest
