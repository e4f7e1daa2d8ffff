#pragma once
#include <string>
#include <vector>

// What a listing shows: the kind of a location, the extensions of a filter pattern and which file names
// they admit. Matching is by containment without regard to case (".txt" admits notes.txt.bak).
namespace kx {

enum class LocationKind { Drives, Network, Server, Folder };

// For a path ending in "\": "\" the drives, "\\" the network, "\\server\" one server's shares.
LocationKind KindOfLocation(const std::wstring& listed);

// The extensions of a filter pattern ("*.txt;*.doc" gives .txt and .doc). A pattern or a piece that has
// no "." (empty, or a bare name) gives "*.*", which admits every file.
std::vector<std::wstring> ExtensionsOfPattern(const std::wstring& pattern);
bool ExtensionsAdmit(const std::vector<std::wstring>& extensions, const std::wstring& fileName);
// A pattern typed into the file-name box: its part from the first "." on; without "." every file.
bool TypedPatternAdmits(const std::wstring& pattern, const std::wstring& fileName);

// Whether a listed path names a folder from a root: a drive ("C:\...") or a network share ("\\server\share\...")
// with no "." or ".." step. Anything else lists nothing.
bool IsRootedFolder(const std::wstring& listed);

// The stored path as Path reads it: ending in "\", every run of four backslashes made two.
std::wstring PathAsRead(const std::wstring& stored);

}  // namespace kx
