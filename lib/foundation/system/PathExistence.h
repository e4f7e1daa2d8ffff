#pragma once
#include <string>

// The library's existence test for a path: "X:\" is a drive root that exists when X is among the
// logical drives (without regard to case); other non-empty text exists when a file search for it
// finds anything (so folders and wild cards count); empty text does not exist.
namespace kx {

bool PathExists(const std::wstring& path);
// One existing file that is not a folder (no wild cards).
bool IsPlainFile(const std::wstring& path);

}  // namespace kx
