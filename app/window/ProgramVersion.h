#pragma once
#include <string>

// The version line of the main window: "Ver: " major "." minor ".0." revision, from the program's own
// version resource.
namespace zarvanta {

std::wstring VersionLabelText(unsigned major, unsigned minor, unsigned revision);
std::wstring ProgramVersionLabel();

}  // namespace zarvanta
