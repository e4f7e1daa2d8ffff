// actFileDialog's network neighbourhood: the servers and the shares of one server, from the table the
// first listing of the network fills.
#include "ActFileDialog.h"

#include "ClassicRuntime.h"
#include "ErrorInfo.h"

namespace kx {

std::vector<ListItem> ActFileDialog::NetworkItems(const std::wstring& listed) {
    if (listed == L"\\\\" && network_.Empty()) EnumerateNetwork();
    std::vector<ListItem> items;
    for (const NetworkItem& item : NetworkItemsAt(network_, listed)) items.push_back({item.key, item.text, item.sortKey});
    return items;
}

// The list stays hidden while the network is walked, so a Refresh from a handler meanwhile returns at
// once; the walk stops when the control goes away.
void ActFileDialog::EnumerateNetwork() {
    const HWND list = form_->lstView.Hwnd();
    const bool shown = BrowserForm::OwnVisible(list);
    ShowWindow(list, SW_HIDE);
    std::unique_ptr<NetworkEnumerator> enumerator = MakeNetworkEnumerator();
    network_.Enumerate(*enumerator, [this, list] {
        DoEvents();
        return !terminated_ && IsWindow(list);
    });
    if (shown && !terminated_) ShowWindow(list, SW_SHOWNA);
}

STDMETHODIMP ActFileDialog::DoNetEnum(VARIANT_BOOL* Found) {
    const KeepAlive hold = HoldWhileListing();
    return Guard(L"Korvix32.actFileDialog", [&] {
        EnumerateNetwork();
        if (Found) *Found = VARIANT_TRUE;
    });
}

}  // namespace kx
