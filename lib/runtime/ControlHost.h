#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "WindowSubclasser.h"

// A container for controls of the control protocol: places a control by class identity on a
// window, gives it its design-time properties from a bag (or InitNew), answers its ambient
// properties and an extender (its Name, Visible, Left, Top, Width, Height, Enabled, SetFocus,
// ToolTipText and, for alignable controls, Align; and the control's own members), passes its
// events to a C++ handler and its property changes to another, and drives focus and access keys.
// A control that is a simple frame holds other controls in its own window; docked controls follow
// the size of their parent.
namespace kx {

class ControlSite;

// An event of a hosted control: its dispatch identity and arguments (last argument first, as in
// DISPPARAMS; by-reference arguments can be written back).
using ControlEventHandler = std::function<void(DISPID event, DISPPARAMS* params)>;
using PropertyChangeHandler = std::function<void(DISPID property)>;

// Where a control goes: into a container control (a simple frame) instead of the host window, and
// the edge it docks to (the extender's Align: 0 none, 1 top, 2 bottom, 3 left, 4 right).
struct Placement {
    ControlSite* parent = nullptr;
    long align = 0;
};

class ControlHost final : private SubclassOwner {
public:
    explicit ControlHost(HWND window);
    ~ControlHost();  // removes every control
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    HWND Window() const { return window_; }

    // Places a control; bag null means a newly placed control; bounds are in the parent's pixels.
    // Returns null on failure (and the failure in *result when given): a parent that is no simple
    // frame or an Align outside 0..4 is refused with E_INVALIDARG.
    ControlSite* Place(REFCLSID clsid, const std::wstring& name, const RECT& bounds, IPropertyBag* bag,
                       ControlEventHandler onEvent, HRESULT* result = nullptr, const Placement& placement = {});
    // The same for a control object made by the caller (not yet initialised).
    ControlSite* PlaceObject(IUnknown* control, const std::wstring& name, const RECT& bounds, IPropertyBag* bag,
                             ControlEventHandler onEvent, HRESULT* result = nullptr,
                             const Placement& placement = {});
    // Removes the control and every control inside it.
    void Remove(ControlSite* site);

    // Ambient properties; a change is announced to every control.
    bool UserMode() const { return userMode_; }
    void SetUserMode(bool value);
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool value);
    IFontDisp* Font() const { return font_; }  // not add-ref'd
    void SetFont(IFontDisp* font);

    // For the host's message loop: an Alt+key message that is a hosted control's access key goes to
    // that control; Tab and Shift+Tab move the focus between the controls. True when handled.
    bool TranslateAccelerator(const MSG& message);
    bool MoveFocus(bool forward);
    // A control that may not hold the focus passes it on; it never gets it back from this pass.
    void PassFocusOn(ControlSite& from, bool forward);

    // Docks the control to an edge of its parent (0 none ... 4 right; others refused) and lays out.
    bool SetAlign(ControlSite& site, long align);
    // Lays out the docked controls of one parent window in the order they were placed.
    void LayOutDocked(HWND parent);

private:
    void AnnounceAmbient(DISPID id);
    void PassFocusFrom(HWND from, bool forward, bool fromRefuses);
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND window, UINT& message, WPARAM& wParam,
                          LPARAM& lParam) override;
    HWND window_;
    std::vector<ControlSite*> sites_;
    WindowSubclasser dockParents_{*this};
    bool userMode_ = true;
    bool rightToLeft_ = false;
    IFontDisp* font_ = nullptr;
};

// One hosted control and the container's side of the protocol for it.
class ControlSite : public IOleClientSite,
                    public IOleInPlaceSite,
                    public IOleControlSite,
                    public ISimpleFrameSite,
                    public IDispatch {
public:
    ControlSite(ControlHost& host, std::wstring name, const RECT& bounds, ControlEventHandler onEvent,
                ControlSite* parent = nullptr);
    virtual ~ControlSite();
    ControlSite(const ControlSite&) = delete;
    ControlSite& operator=(const ControlSite&) = delete;

    HRESULT Attach(IUnknown* control, IPropertyBag* bag);
    void Detach();

    IUnknown* Control() const { return control_; }  // not add-ref'd
    IDispatch* Dispatch() const { return dispatch_; }  // not add-ref'd
    IDispatch* ExtenderDispatch() const;               // not add-ref'd
    HWND ControlWindow() const;
    // The window the control sits in: its container control's, or the host's.
    HWND ParentWindow() const;
    ControlSite* Parent() const { return parent_; }
    DWORD MiscStatus() const { return miscStatus_; }
    long Align() const { return align_; }
    const std::wstring& Name() const { return name_; }
    const RECT& Bounds() const { return bounds_; }
    HRESULT Save(IPropertyBag* bag);  // the control's WriteProperties
    void OnPropertyChange(PropertyChangeHandler handler) { onPropertyChange_ = std::move(handler); }
    void NotifyAmbientChange(DISPID id);
    bool HasAccessKey(const MSG& message) const;

    // The extender's own members, in the host window's pixels. Enabled is the control's own member
    // where it has one.
    bool Visible() const;
    void SetVisible(bool visible);
    void Move(int left, int top, int width, int height);
    void SetEnabled(bool enabled);
    void SetFocus();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
    STDMETHODIMP GetContainer(IOleContainer** out) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    // IOleWindow, IOleInPlaceSite
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;
    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
    STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
    STDMETHODIMP GetExtendedControl(IDispatch** out) override;
    STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    // A Tab from the control moves the focus on through the host.
    STDMETHODIMP TranslateAccelerator(MSG* message, DWORD modifiers) override;
    STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
    STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }
    // ISimpleFrameSite: what plain child windows send their parent goes on to the host window.
    STDMETHODIMP PreMessageFilter(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                                  DWORD* cookie) override;
    STDMETHODIMP PostMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD) override { return S_OK; }
    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

private:
    class EventSink;
    class PropertySink;
    class Extender;
    friend class EventSink;
    friend class PropertySink;
    friend class Extender;
    friend class ControlHost;

    HRESULT Initialise(IPropertyBag* bag);
    bool SetOwnEnabled(bool enabled);
    void Connect(REFIID iid, IUnknown* sink, DWORD* cookie);
    void Disconnect(REFIID iid, DWORD* cookie);

    ControlHost& host_;
    ControlSite* parent_;
    DWORD miscStatus_ = 0;
    long align_ = 0;
    std::wstring name_;
    std::wstring toolTipText_;  // the extender's ToolTipText
    RECT bounds_;
    ControlEventHandler onEvent_;
    PropertyChangeHandler onPropertyChange_;
    IUnknown* control_ = nullptr;
    IDispatch* dispatch_ = nullptr;
    IOleObject* oleObject_ = nullptr;
    IID eventIid_ = IID_NULL;
    DWORD eventCookie_ = 0;
    DWORD propertyCookie_ = 0;
    std::unique_ptr<EventSink> eventSink_;
    std::unique_ptr<PropertySink> propertySink_;
    std::unique_ptr<Extender> extender_;
    volatile LONG refs_ = 1;
};

}  // namespace kx
