#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "AmbientProperties.h"
#include "ConnectionPoint.h"
#include "DrawingSurface.h"
#include "PropertyBag.h"
#include "SurfaceFont.h"

// The standard control protocol for a control with its own window and a persistent drawing
// surface. A control derives from Control<_kxSomething> (Control.h), implements its interface and
// overrides the life-cycle hooks and the surface notifications it needs. Its window and surface
// exist from construction on, before any container places it.
namespace kx {

class ControlBase : public IOleObject,
                    public IOleInPlaceObject,
                    public IOleInPlaceActiveObject,
                    public IOleControl,
                    public IViewObject2,
                    public IPersistPropertyBag,
                    public IPersistStreamInit,
                    public IConnectionPointContainer,
                    public IProvideClassInfo2,
                    public ISpecifyPropertyPages {
public:
    ControlBase(REFCLSID clsid, REFIID events, int widthTwips, int heightTwips);
    virtual ~ControlBase();
    ControlBase(const ControlBase&) = delete;
    ControlBase& operator=(const ControlBase&) = delete;

    // The control interfaces this base answers for; the derived class's QueryInterface asks here.
    HRESULT QueryControlInterface(REFIID iid, void** out);

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** out) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT bounds) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** out) override;
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* name) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** out) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG) override { return S_FALSE; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* message) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target, LPCRECTL bounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** set) override;
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override;

    // IPersist, IPersistPropertyBag, IPersistStreamInit
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog*) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL) override;
    STDMETHODIMP IsDirty() override { return dirty_ ? S_OK : S_FALSE; }
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // ISpecifyPropertyPages
    STDMETHODIMP GetPages(CAUUID* pages) override;

protected:
    // The font saved under key as the control's own copy, or the ambient font when none was saved; referenced.
    IFontDisp* ReadFontProperty(const PropertyReader& bag, const wchar_t* key) const;
    // Life-cycle hooks, in the order the container drives them. Initialize is the derived
    // constructor; Terminate runs before the object is destroyed.
    virtual void InitProperties() {}
    virtual void ReadProperties(const PropertyReader&) {}
    virtual void WriteProperties(const PropertyWriter&) {}
    virtual void Resize() {}
    virtual void Paint() {}
    virtual void Show() {}
    virtual void Terminate() {}
    virtual void AmbientChanged(DISPID) {}

    // Notifications of the control's window, in the classic argument forms: Button 1 left,
    // 2 right, 4 middle; Shift 1 shift, 2 control, 4 alt; X and Y in pixels.
    virtual void MouseDown(short button, short shift, float x, float y) {}
    virtual void MouseMove(short button, short shift, float x, float y) {}
    virtual void MouseUp(short button, short shift, float x, float y) {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(short keyCode, short shift) {}
    virtual void KeyPress(short keyAscii) {}
    virtual void KeyUp(short keyCode, short shift) {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual void AccessKeyPress(short keyAscii) {}
    // Every message of the window before the base handles it; true when the control handled it.
    virtual bool WindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) { return false; }

    // Status bits beyond the base's own (OLEMISC_SIMPLEFRAME, OLEMISC_ALIGNABLE,
    // OLEMISC_INVISIBLEATRUNTIME ...). A simple frame passes its window's messages through the
    // site's ISimpleFrameSite filters; a control invisible at run time hides its window in user mode.
    virtual DWORD MiscStatus() const { return 0; }

    // The control's property pages; none unless it has some.
    virtual std::vector<CLSID> PropertyPages() const { return {}; }

    // The dispatch identity of a member of the control's interface by name (without case).
    virtual DISPID DispIdOfName(const wchar_t* name) = 0;

    // Services for the control.
    void PropertyChanged(const wchar_t* name);
    // Raises an event on every sink; by-reference arguments come back changed by the handlers.
    void RaiseEvent(DISPID event, VARIANT* args = nullptr, UINT count = 0);
    // The classic mouse (Button, Shift, X, Y) and key (KeyCode, Shift) events, their arguments by reference.
    void RaiseMouseEvent(DISPID event, short& button, short& shift, float& x, float& y);
    void RaiseKeyEvent(DISPID event, short& keyCode, short& shift);
    void RaiseKeyPress(short& keyAscii);
    const AmbientProperties& Ambient() const { return ambient_; }
    IOleClientSite* ClientSite() const { return site_; }

    // The control surface.
    HWND Hwnd() const { return window_; }
    HDC Hdc() const { return surface_.Dc(); }
    DrawingSurface& Surface() { return surface_; }
    int ScaleWidth() const { return surface_.Width(); }
    int ScaleHeight() const { return surface_.Height(); }
    int WidthTwips() const;
    int HeightTwips() const;
    void SetWidthTwips(int twips);
    void SetHeightTwips(int twips);
    bool SurfaceEnabled() const { return IsWindowEnabled(window_) != FALSE; }
    // Disabling the window that holds the focus passes the focus on.
    void SetSurfaceEnabled(bool enabled);
    // Passes the focus to the next control (the previous one with Shift held), never back to this
    // one: the site's tab order where it has one, the parent window's otherwise.
    void PassFocusOn();
    IFontDisp* Font() const { return font_.Object(); }  // not add-ref'd
    void SetFont(IFontDisp* font);                      // keeps a copy
    void FontChanged();                                 // rebuilds the surface's font from the object
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool value) { rightToLeft_ = value; }
    short MousePointer() const { return mousePointer_; }
    void SetMousePointer(short pointer) { mousePointer_ = pointer; }
    IPictureDisp* MouseIcon() const { return mouseIcon_; }  // not add-ref'd
    void SetMouseIcon(IPictureDisp* picture);
    const std::wstring& AccessKeys() const { return accessKeys_; }
    void SetAccessKeys(const std::wstring& keys);
    void Cls() { surface_.Clear(); }
    // Shows what was drawn on the surface in the window.
    void ShowSurface();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT FilteredMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize();
    void OnPaint();
    void OnMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnSetCursor();
    void OnFocus(bool gained);
    HRESULT ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT bounds, bool uiActivate);
    void AttachTo(HWND parent);
    void DetachFromContainer();
    void MoveTo(const RECT& position);
    void RequestSize(int width, int height);
    void ViewChanged();
    void RebuildAccelerators();

    CLSID clsid_;
    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
    AmbientProperties ambient_;
    DrawingSurface surface_;
    HWND window_ = nullptr;
    IOleClientSite* site_ = nullptr;
    IOleInPlaceSite* inPlaceSite_ = nullptr;
    ISimpleFrameSite* frameSite_ = nullptr;  // a simple frame's site filters
    IOleAdviseHolder* adviseHolder_ = nullptr;
    IAdviseSink* viewSink_ = nullptr;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    bool inPlaceActive_ = false;
    bool uiActive_ = false;
    bool dirty_ = false;
    bool initialized_ = false;
    LONG frozen_ = 0;
    SurfaceFont font_;  // after surface_: selects into it
    IPictureDisp* mouseIcon_ = nullptr;
    bool rightToLeft_ = false;
    short mousePointer_ = 0;
    std::wstring accessKeys_;
    HACCEL accelerators_ = nullptr;
    WORD acceleratorCount_ = 0;
    UINT pressedButtons_ = 0;
    bool doubleClicked_ = false;
    bool painting_ = false;
};

}  // namespace kx
