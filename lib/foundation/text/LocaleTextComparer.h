#pragma once
#include "TextComparer.h"

// The comparisons of the platform's comparison method: 0 binary; 1 text and 2 database, which
// compare in the user's locale ignoring letter case, kana type and width.
namespace kx {

class LocaleTextComparer final : public TextComparer {
public:
    int Order(std::wstring_view a, std::wstring_view b) const override;
};

const TextComparer& ComparerForMethod(long compareMethod);

}  // namespace kx
