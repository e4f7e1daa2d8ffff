#pragma once
#include <windows.h>

#include "IconList.h"

// The browser's own pictures, drawn in code: the fixed images of the address box (numbered from 1 as
// AddressRules.h lists them), the 32x32 icons of the four left-menu places and the Up arrow.
namespace kx {

// Fills an empty masked list with the thirteen fixed images, image n at position n - 1.
void DrawAddressImages(IconList& list);

// A new icon of the given size (the caller destroys it). Places: 0 desktop, 1 documents, 2 computer,
// 3 network.
HICON CreatePlaceIcon(int place, int size);
HICON CreateUpArrowIcon(int size);

}  // namespace kx
