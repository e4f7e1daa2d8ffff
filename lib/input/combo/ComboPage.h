#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "ComBase.h"

// A property page of the lookup combo: the page protocol, its window and the selected objects, with the
// classic page's notifications as hooks: SelectionChanged when objects are set (and the page shown),
// ApplyChanges on Apply; SetChanged marks the page dirty and tells the dialog.
namespace kx {

class ComboPage : public ComBase<IPropertyPage> {
public:
    // Child controls of a page, in twips (left, top, width, height) as designed.
    struct Child {
        int id;
        const wchar_t* windowClass;
        const wchar_t* text;
        DWORD style;
        int left, top, width, height;
    };

    ComboPage(const wchar_t* title, int widthTwips, int heightTwips, std::vector<Child> children);
    ~ComboPage() override;

    STDMETHODIMP SetPageSite(IPropertyPageSite* site) override;
    STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override;
    STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override;
    STDMETHODIMP Show(UINT command) override;
    STDMETHODIMP Move(LPCRECT rect) override;
    STDMETHODIMP IsPageDirty() override { return changed_ ? S_OK : S_FALSE; }
    STDMETHODIMP Apply() override;
    STDMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

    HWND Hwnd() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }

protected:
    virtual void SelectionChanged() = 0;
    virtual void ApplyChanges() = 0;
    virtual void Command(int id, int code) = 0;

    // The first selected object when it is a lookup combo (it answers List(0) by name); null otherwise.
    IDispatch* Combo() const { return combo_; }
    size_t SelectedCount() const { return objects_.size(); }
    IDispatch* SelectedObject(size_t index) const { return objects_[index]; }
    bool Changed() const { return changed_; }
    void SetChanged(bool changed);
    std::wstring ItemText(int id) const;
    void SetItemText(int id, const std::wstring& text);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateChildren();
    void ReleaseObjects();
    void Reload();

    std::wstring title_;
    SIZE size_;
    std::vector<Child> children_;
    IPropertyPageSite* site_ = nullptr;
    std::vector<IDispatch*> objects_;
    IDispatch* combo_ = nullptr;  // one of objects_
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    bool changed_ = false;
};

}  // namespace kx
