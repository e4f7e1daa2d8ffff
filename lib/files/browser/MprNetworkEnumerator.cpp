#include "MprNetworkEnumerator.h"

#include <winnetwk.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace kx {
namespace {

// The text at pointer: inside the buffer it ends at its NUL or at the buffer's end; a pointer outside the
// buffer is the provider's own string.
std::wstring TextAt(const wchar_t* text, const BYTE* begin, const BYTE* end) {
    if (!text) return {};
    const BYTE* at = reinterpret_cast<const BYTE*>(text);
    if (at < begin || at >= end) return text;
    const size_t room = static_cast<size_t>(end - at) / sizeof(wchar_t);
    return std::wstring(text, wcsnlen(text, room));
}

class MprContainer : public NetworkContainer {
public:
    MprContainer(const MprCalls& calls, HANDLE handle) : calls_(calls), handle_(handle) {}
    ~MprContainer() override { calls_.close(handle_); }

    bool Next(NetworkResource& record) override {
        if (next_ >= batch_.size() && !ReadBatch()) return false;
        record = std::move(batch_[next_++]);
        return true;
    }

private:
    // The provider's next records; false when it has none or fails.
    bool ReadBatch() {
        batch_.clear();
        next_ = 0;
        while (!finished_) {
            DWORD count = static_cast<DWORD>(-1);
            DWORD size = static_cast<DWORD>(buffer_.size());
            const DWORD status = calls_.enumerate(handle_, &count, buffer_.data(), &size);
            if (status == ERROR_MORE_DATA && Grow(size)) continue;
            if (status != NO_ERROR) {
                finished_ = true;
                break;
            }
            Collect(count);
            if (!batch_.empty()) return true;
        }
        return false;
    }

    // A buffer that holds at least needed bytes; false at the limit.
    bool Grow(DWORD needed) {
        const size_t current = buffer_.size();
        if (current >= kNetBufferLimit) return false;
        const size_t wanted = std::max<size_t>(needed > current ? needed : current * 2, current + 1);
        buffer_.assign(std::min<size_t>(wanted, kNetBufferLimit), 0);
        return true;
    }

    void Collect(DWORD count) {
        const BYTE* begin = buffer_.data();
        const BYTE* end = begin + buffer_.size();
        const DWORD fits = static_cast<DWORD>(buffer_.size() / sizeof(NETRESOURCEW));
        const auto* records = reinterpret_cast<const NETRESOURCEW*>(begin);
        for (DWORD i = 0; i < std::min(count, fits); ++i) {
            const NETRESOURCEW& raw = records[i];
            batch_.push_back({raw.dwScope, raw.dwType, raw.dwDisplayType, raw.dwUsage,
                              TextAt(raw.lpLocalName, begin, end), TextAt(raw.lpRemoteName, begin, end),
                              TextAt(raw.lpComment, begin, end), TextAt(raw.lpProvider, begin, end)});
        }
    }

    MprCalls calls_;
    HANDLE handle_;
    std::vector<BYTE> buffer_ = std::vector<BYTE>(kNetBufferStart);
    std::vector<NetworkResource> batch_;
    size_t next_ = 0;
    bool finished_ = false;
};

}  // namespace

MprCalls PlatformMprCalls() { return {WNetOpenEnumW, WNetEnumResourceW, WNetCloseEnum}; }

std::unique_ptr<NetworkContainer> MprNetworkEnumerator::Open(const NetworkResource* container) {
    NETRESOURCEW raw = {};
    if (container) {
        raw.dwScope = container->scope;
        raw.dwType = container->type;
        raw.dwDisplayType = container->displayType;
        raw.dwUsage = container->usage;
        raw.lpLocalName = const_cast<wchar_t*>(container->localName.c_str());
        raw.lpRemoteName = const_cast<wchar_t*>(container->remoteName.c_str());
        raw.lpComment = const_cast<wchar_t*>(container->comment.c_str());
        raw.lpProvider = const_cast<wchar_t*>(container->provider.c_str());
    }
    HANDLE handle = nullptr;
    if (calls_.open(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, container ? &raw : nullptr, &handle) != NO_ERROR)
        return nullptr;
    return std::make_unique<MprContainer>(calls_, handle);
}

}  // namespace kx
