#pragma once
#include <string>

// Splitting a path into folder, name and extension; pure text work, no file system.
namespace kx {

struct PathParts {
    std::wstring folder;     // everything before the last "\" (without it)
    std::wstring name;       // between the last "\" and the first "." after it
    std::wstring extension;  // after that first "."
};

// The folder is the text before the last "\"; the extension begins after the first "." that follows
// it, so "a.tar.gz" gives the name "a" and the extension "tar.gz".
PathParts SplitPath(const std::wstring& fullName);

// A folder ending with "\", unless it is empty.
std::wstring WithTrailingBackslash(const std::wstring& folder);

}  // namespace kx
