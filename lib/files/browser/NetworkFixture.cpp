#include "NetworkFixture.h"

#include <cwchar>
#include <utility>

namespace kx {
namespace {

struct DisplayTypeName {
    const wchar_t* name;
    unsigned long type;
};

constexpr DisplayTypeName kDisplayTypes[] = {
    {L"generic", 0}, {L"domain", 1}, {L"server", 2}, {L"share", 3}, {L"network", 6},
};

bool ParseDisplayType(const std::wstring& word, unsigned long& type) {
    for (const DisplayTypeName& known : kDisplayTypes)
        if (word == known.name) return type = known.type, true;
    if (word.empty() || word.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
    type = std::wcstoul(word.c_str(), nullptr, 10);
    return true;
}

}  // namespace

class NetworkFixture::Listing : public NetworkContainer {
public:
    Listing(const NetworkFixture& fixture, const std::vector<size_t>& entries)
        : fixture_(fixture), entries_(entries), live_(fixture.live_) {
        ++*live_;
    }
    ~Listing() override { --*live_; }

    bool Next(NetworkResource& record) override {
        if (next_ >= entries_.size()) return false;
        record = fixture_.nodes_[entries_[next_++]].record;
        return true;
    }

private:
    const NetworkFixture& fixture_;
    std::vector<size_t> entries_;
    size_t next_ = 0;
    std::shared_ptr<int> live_;
};

NetworkFixture::NetworkFixture(const std::wstring& text) {
    std::vector<std::pair<size_t, size_t>> open;  // (indentation, node) of the containers above the line
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        const size_t indent = line.find_first_not_of(L' ');
        if (indent == std::wstring::npos || line[indent] == L'#') continue;
        const size_t blank = line.find(L' ', indent);
        Node node;
        const std::wstring word = line.substr(indent, blank == std::wstring::npos ? std::wstring::npos : blank - indent);
        if (!ParseDisplayType(word, node.record.displayType)) continue;
        if (blank != std::wstring::npos) node.record.remoteName = line.substr(blank + 1);
        node.record.scope = 2;  // RESOURCE_GLOBALNET
        node.record.type = node.record.displayType == kNetDisplayShare ? 1 : 0;
        node.record.usage = node.record.displayType == kNetDisplayShare ? 1 : 2;  // connectable or container
        while (!open.empty() && open.back().first >= indent) open.pop_back();
        const size_t index = nodes_.size();
        (open.empty() ? top_ : nodes_[open.back().second].children).push_back(index);
        firstNode_.emplace(std::to_wstring(node.record.displayType) + L" " + node.record.remoteName, index);
        nodes_.push_back(std::move(node));
        open.emplace_back(indent, index);
    }
}

const NetworkFixture::Node* NetworkFixture::Find(const NetworkResource& record) const {
    const auto found = firstNode_.find(std::to_wstring(record.displayType) + L" " + record.remoteName);
    return found == firstNode_.end() ? nullptr : &nodes_[found->second];
}

std::unique_ptr<NetworkContainer> NetworkFixture::Open(const NetworkResource* container) {
    const Node* node = container ? Find(*container) : nullptr;
    if (container && !node) return nullptr;
    ++opened_;
    return std::make_unique<Listing>(*this, node ? node->children : top_);
}

}  // namespace kx
