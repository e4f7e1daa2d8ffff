#pragma once
#include <string>

// The command line that opens a browser location in the system's file explorer. Pure text work.
namespace kx {

// "Explorer.exe " and the location: the drive list "\", the network "\\" and drive roots as they are;
// any other location quoted and without its final "\" (Explorer.exe "C:\My Files").
std::wstring ExplorerCommandLine(const std::wstring& location);

}  // namespace kx
