#pragma once
#include <functional>
#include <string>
#include <vector>

#include "NetworkEnumerator.h"

// The servers of the network and their shares, found by walking the provider's containers. Each found
// server gets its own row (the table grows); a share is filed under the server whose container listed
// it. Pure logic over a NetworkEnumerator.
namespace kx {

struct NetworkServer {
    std::wstring remoteName;   // "\\SERVER" as the network gives it
    std::wstring displayName;  // the remote name without its leading "\\"
    std::vector<std::wstring> shares;
};

class NetworkNeighbourhood {
public:
    // Called after every record; false stops the walk at once (the control is going away).
    using Yield = std::function<bool()>;

    // Walks the whole network and adds every server found, after those already held (a second walk adds
    // them again). Every container opened is closed before this returns. False when yield stopped it.
    bool Enumerate(NetworkEnumerator& enumerator, const Yield& yield);

    bool Empty() const { return servers_.empty(); }
    const std::vector<NetworkServer>& Servers() const { return servers_; }
    // The first server whose remote name & "\" is path, case ignored; null when none is.
    const NetworkServer* ServerAt(const std::wstring& path) const;

private:
    struct Walk;
    void EnumerateContainer(Walk& walk, const NetworkResource& container, long row);
    void FileShare(long row, const std::wstring& remoteName);

    std::vector<NetworkServer> servers_;
};

// One item of a network listing: a server (its remote name as key and place mark) or a share (marked
// "1_" to open as a folder).
struct NetworkItem {
    std::wstring key, text, sortKey;
};

// The items of the network location path: the servers for "\\", the shares of one server for
// "\\SERVER\" (none when the server is not known), nothing for any other path.
std::vector<NetworkItem> NetworkItemsAt(const NetworkNeighbourhood& network, const std::wstring& path);

// Containers deeper than this are not opened: the network's own tree is four levels deep.
constexpr int kMaxNetworkDepth = 16;

}  // namespace kx
