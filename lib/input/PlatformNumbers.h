#pragma once
#include "CalculatorEngine.h"

namespace kx {

// The number service of the user's locale: the automation runtime's reading, general form and formats.
class PlatformNumbers final : public NumberService {
public:
    std::optional<double> Read(const std::wstring& text) const override;
    std::wstring General(double value) const override;
    // The plain value where the pattern is refused.
    std::wstring Format(double value, const std::wstring& pattern) const override;

    static const PlatformNumbers& Instance();
};

}  // namespace kx
