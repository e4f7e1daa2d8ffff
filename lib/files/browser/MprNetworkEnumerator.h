#pragma once
#include <windows.h>

#include "NetworkEnumerator.h"

// The network as the platform's provider interface (mpr) gives it. Each container is read until the
// provider has no more records, the buffer growing when a record does not fit; names are copied by their
// length inside the buffer.
namespace kx {

// The three provider calls, replaceable so that tests can hand out records of any size.
struct MprCalls {
    DWORD(WINAPI* open)(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEW container, LPHANDLE handle);
    DWORD(WINAPI* enumerate)(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD bufferSize);
    DWORD(WINAPI* close)(HANDLE handle);
};

MprCalls PlatformMprCalls();

class MprNetworkEnumerator : public NetworkEnumerator {
public:
    explicit MprNetworkEnumerator(MprCalls calls = PlatformMprCalls()) : calls_(calls) {}

    std::unique_ptr<NetworkContainer> Open(const NetworkResource* container) override;

private:
    MprCalls calls_;
};

// The first buffer of a container and the most one buffer may grow to.
constexpr DWORD kNetBufferStart = 16 * 1024;
constexpr DWORD kNetBufferLimit = 16 * 1024 * 1024;

}  // namespace kx
