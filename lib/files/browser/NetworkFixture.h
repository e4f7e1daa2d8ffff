#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "NetworkEnumerator.h"

// A network given as text, one record a line, indented under its container by blanks:
//     domain WORKGROUP
//       server \\ALPHA
//         share \\ALPHA\docs
// The first word is the display type (generic, domain, server, share, network, or a number), the rest of
// the line the remote name. Lines starting with "#" and blank lines are skipped. Opening a record lists
// the children of the first line with its display type and remote name; a name not in the text cannot be
// opened. Pure text work, no platform calls.
namespace kx {

class NetworkFixture : public NetworkEnumerator {
public:
    explicit NetworkFixture(const std::wstring& text);

    std::unique_ptr<NetworkContainer> Open(const NetworkResource* container) override;

    int OpenCount() const { return opened_; }
    int LiveCount() const { return *live_; }  // enumerations opened and not yet closed

private:
    struct Node {
        NetworkResource record;
        std::vector<size_t> children;
    };
    class Listing;

    const Node* Find(const NetworkResource& record) const;

    std::vector<Node> nodes_;
    std::unordered_map<std::wstring, size_t> firstNode_;  // display type and remote name -> first such line
    std::vector<size_t> top_;
    int opened_ = 0;
    std::shared_ptr<int> live_ = std::make_shared<int>(0);
};

}  // namespace kx
