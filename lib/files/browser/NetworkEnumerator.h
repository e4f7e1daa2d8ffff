#pragma once
#include <memory>
#include <string>

// What the file browser asks of a network provider: open a container, read its records one by one, close
// it. The product reads mpr (MprNetworkEnumerator); tests and scripts give a fixed tree (NetworkFixture).
namespace kx {

constexpr unsigned long kNetDisplayServer = 2;  // RESOURCEDISPLAYTYPE_SERVER
constexpr unsigned long kNetDisplayShare = 3;   // RESOURCEDISPLAYTYPE_SHARE

struct NetworkResource {
    unsigned long scope = 0, type = 0, displayType = 0, usage = 0;
    std::wstring localName, remoteName, comment, provider;
};

// One open enumeration; destroying it closes the enumeration.
class NetworkContainer {
public:
    virtual ~NetworkContainer() = default;
    // The next record into record; false when there are no more or reading failed.
    virtual bool Next(NetworkResource& record) = 0;
};

class NetworkEnumerator {
public:
    virtual ~NetworkEnumerator() = default;
    // The records of container (null: the whole network), or null when it cannot be opened.
    virtual std::unique_ptr<NetworkContainer> Open(const NetworkResource* container) = 0;
};

// The fixture named by KX_NETWORK_FIXTURE when that variable is set (an unreadable file is an empty
// network), else the platform's provider interface.
std::unique_ptr<NetworkEnumerator> MakeNetworkEnumerator();

}  // namespace kx
