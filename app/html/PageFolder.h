#pragma once
#include <string>
#include <vector>

// The pages of a folder: the files a search for folder + "*.htm" returns, in the order returned.
namespace zarvanta {

// Plain files whose extension is ".htm" (any case); hidden and system files, folders and names that
// only match through their short form (".html") are left out. Empty when the folder is missing.
std::vector<std::wstring> FindPageFiles(const std::wstring& folderWithBackslash);

}  // namespace zarvanta
