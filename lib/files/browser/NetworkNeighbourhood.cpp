#include "NetworkNeighbourhood.h"

#include <algorithm>

#include "TextCase.h"

namespace kx {
namespace {

// The share's own name: its remote name without the server's prefix (once, case ignored) and the "\"
// after it; a name outside the server gives its last part.
std::wstring ShareName(const std::wstring& remoteName, const std::wstring& serverName) {
    if (!serverName.empty() && StartsWithIgnoringCase(remoteName, serverName)) {
        std::wstring rest = remoteName.substr(serverName.size());
        if (!rest.empty() && rest.front() == L'\\') rest.erase(0, 1);
        return rest;
    }
    const size_t last = remoteName.find_last_of(L'\\');
    return last == std::wstring::npos ? remoteName : remoteName.substr(last + 1);
}

}  // namespace

struct NetworkNeighbourhood::Walk {
    NetworkEnumerator& enumerator;
    const Yield& yield;
    std::vector<const NetworkResource*> chain;  // the containers open above the current one
    bool stopped = false;

    bool InChain(const NetworkResource& record) const {
        return std::any_of(chain.begin(), chain.end(), [&](const NetworkResource* open) {
            return open->displayType == record.displayType && SameTextIgnoringCase(open->remoteName, record.remoteName) &&
                   SameTextIgnoringCase(open->provider, record.provider);
        });
    }
};

bool NetworkNeighbourhood::Enumerate(NetworkEnumerator& enumerator, const Yield& yield) {
    Walk walk{enumerator, yield, {}, false};
    std::unique_ptr<NetworkContainer> root = enumerator.Open(nullptr);
    if (!root) return true;
    NetworkResource record;
    while (!walk.stopped && root->Next(record)) EnumerateContainer(walk, record, -1);
    return !walk.stopped;
}

void NetworkNeighbourhood::EnumerateContainer(Walk& walk, const NetworkResource& container, long row) {
    if (walk.chain.size() >= kMaxNetworkDepth || walk.InChain(container)) return;
    std::unique_ptr<NetworkContainer> listing = walk.enumerator.Open(&container);
    if (!listing) return;
    walk.chain.push_back(&container);
    NetworkResource record;
    while (!walk.stopped && listing->Next(record)) {
        if (record.displayType == kNetDisplayServer) {
            servers_.push_back({record.remoteName, record.remoteName.size() > 2 ? record.remoteName.substr(2) : L"",
                                {}});
            row = static_cast<long>(servers_.size()) - 1;
        } else if (record.displayType == kNetDisplayShare) {
            FileShare(row, record.remoteName);
        }
        if (walk.yield && !walk.yield()) {
            walk.stopped = true;
            break;
        }
        EnumerateContainer(walk, record, row);  // servers for their shares; shares do not open
    }
    walk.chain.pop_back();
}

void NetworkNeighbourhood::FileShare(long row, const std::wstring& remoteName) {
    if (row < 0) return;  // a share before any server belongs to none
    const std::wstring name = ShareName(remoteName, servers_[row].remoteName);
    if (!name.empty()) servers_[row].shares.push_back(name);
}

const NetworkServer* NetworkNeighbourhood::ServerAt(const std::wstring& path) const {
    for (const NetworkServer& server : servers_)
        if (SameTextIgnoringCase(server.remoteName + L"\\", path)) return &server;
    return nullptr;
}

std::vector<NetworkItem> NetworkItemsAt(const NetworkNeighbourhood& network, const std::wstring& path) {
    std::vector<NetworkItem> items;
    if (path == L"\\\\") {
        for (const NetworkServer& server : network.Servers())
            if (!server.displayName.empty()) items.push_back({server.remoteName, server.displayName, server.remoteName});
    } else if (const NetworkServer* server = network.ServerAt(path)) {
        for (const std::wstring& share : server->shares) {
            const std::wstring key = server->remoteName + L"\\" + share;
            items.push_back({key, share, L"1_" + key});
        }
    }
    return items;
}

}  // namespace kx
