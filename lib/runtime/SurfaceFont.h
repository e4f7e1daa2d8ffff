#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>

// The font of a control's surface: a font object of its own (a copy of what it is given) and a GDI
// font made from it, rebuilt whenever the object changes, also when a caller changes the object
// it got from the control's Font property.
namespace kx {

class SurfaceFont {
public:
    // onChange runs after each rebuild, with the new handle in place; it selects it where needed.
    explicit SurfaceFont(std::function<void()> onChange);
    ~SurfaceFont();
    SurfaceFont(const SurfaceFont&) = delete;
    SurfaceFont& operator=(const SurfaceFont&) = delete;

    IFontDisp* Object() const { return font_; }  // not add-ref'd
    void Set(IFontDisp* font);                   // keeps a copy; null means the default font
    HFONT Handle() const { return handle_; }
    void Rebuild();

private:
    class ChangeSink;
    void Connect();
    void Disconnect();

    std::function<void()> onChange_;
    IFontDisp* font_ = nullptr;
    HFONT handle_ = nullptr;
    ChangeSink* sink_ = nullptr;
    DWORD cookie_ = 0;
};

}  // namespace kx
