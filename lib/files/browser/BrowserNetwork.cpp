// actFileDialog's network neighbourhood: the servers and the shares of one server.
#include "ActFileDialog.h"

namespace kx {

// The network is not enumerated yet: its locations list nothing.
std::vector<ListItem> ActFileDialog::NetworkItems(const std::wstring&) { return {}; }

STDMETHODIMP ActFileDialog::DoNetEnum(VARIANT_BOOL* Found) {
    if (Found) *Found = VARIANT_TRUE;
    return S_OK;
}

}  // namespace kx
