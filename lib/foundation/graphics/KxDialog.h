#pragma once
#include "AutomationObject.h"
#include "Korvix32_h.h"

#include <string>

namespace kx {

struct FileDialogArguments;

// kxDialog: the platform's common dialogs, shown modally without an owner; the printer, the last
// custom colours and the last colour-dialog error are kept between calls.
class KxDialog : public AutomationObject<_kxDialog> {
public:
    KxDialog();

    STDMETHODIMP get_XPrinter(IDispatch** Value) override;
    STDMETHODIMP put_XPrinter(IDispatch* Value) override;
    STDMETHODIMP putref_XPrinter(IDispatch* Value) override;
    STDMETHODIMP get_CustomColors(VARIANT* Value) override;
    STDMETHODIMP put_CustomColors(VARIANT Value) override;
    STDMETHODIMP putref_CustomColors(VARIANT Value) override;
    STDMETHODIMP get_LastErrorMessage(BSTR* Value) override;
    STDMETHODIMP put_LastErrorMessage(BSTR Value) override;

    STDMETHODIMP ColorDialog(LONG DefaultColor, LONG* Result) override;
    STDMETHODIMP FileDialog(VARIANT_BOOL* OpenDialog, BSTR* FileName, BSTR* Filter, LONG* FilterIndex, BSTR* Title,
                            BSTR* InitialDir, FileFlag* Flags, BSTR* Result) override;
    STDMETHODIMP ShowPrinter(PrintDialog* PrintFlags, VARIANT_BOOL* Result) override;
    STDMETHODIMP ShowPrinterSetup(PageSetupDLG* Flags, VARIANT_BOOL* Result) override;
    STDMETHODIMP GetDuplex(LONG* lDuplex, BSTR* Result) override;
    STDMETHODIMP FontDialog(IFontDisp** Font, LONG* FontColor, LONG* Min, LONG* Max, EFontFlags* Flags) override;
    STDMETHODIMP FolderDialog(BSTR* Title, BrowseFolder* Flags, BSTR* Result) override;
    STDMETHODIMP ImageDialog(VARIANT_BOOL* OpenDialog, BSTR* FileName, BSTR* Filter, LONG* FilterIndex, BSTR* Title,
                             BSTR* InitialDir, FileFlag* Flags, BSTR* Result) override;

protected:
    void FinalRelease() override;

private:
    void RunFileDialog(const FileDialogArguments& arguments, bool withPreview);
    bool RunPrinterDialog(long flags, bool pageSetup);
    void ChoosePrinter(const std::wstring& upperName);
    void StoreCustomColors(const COLORREF* colors);

    IDispatch* printer_ = nullptr;
    VARIANT customColors_;
    std::wstring lastErrorMessage_;
};

}  // namespace kx
