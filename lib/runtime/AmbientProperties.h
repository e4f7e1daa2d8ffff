#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

// What a control asks of its container: ambient properties with the classic runtime's defaults
// when the container offers none (UserMode true, left to right, a default font), and the
// extender's text members (its name, the tooltip text it holds for the control).
namespace kx {

class AmbientProperties {
public:
    void SetSite(IOleClientSite* site) { site_ = site; }  // not add-ref'd; the control holds it

    bool UserMode() const;
    bool RightToLeft() const;
    IFontDisp* Font() const;  // a new reference; never null unless out of memory
    // Extender.Name; empty when the container has no extender or it has no name.
    std::wstring ExtenderName() const { return ExtenderText(L"Name"); }
    // A text member of the extender by name; empty when there is no extender or no such member.
    std::wstring ExtenderText(const wchar_t* name) const;

private:
    bool Get(DISPID id, VARTYPE type, VARIANT* out) const;
    IOleClientSite* site_ = nullptr;
};

// The font a control falls back to: "MS Sans Serif", 8 points.
IFontDisp* CreateDefaultFont();
// A plain (not bold) font object of the face, size and character set; null when out of memory.
IFontDisp* CreateFontObject(const wchar_t* face, double points, short charset);
// A copy of a font, so later changes of one do not reach the other.
IFontDisp* CloneFont(IFontDisp* font);

}  // namespace kx
