#pragma once
#include <vector>

#include "AddressRules.h"

// The drives present, A to Z, as the browser shows them (the label rule of AddressRules.h). Volume labels
// are read without the system's critical-error box; a drive whose label cannot be read is still listed.
namespace kx {

std::vector<Drive> PresentDrives();

}  // namespace kx
