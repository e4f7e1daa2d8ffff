#include "PreviewLayout.h"

#include <cmath>
#include <cstdio>

#include "Rounding.h"

namespace kx {
namespace {

constexpr double kKilobyte = 1024.0;
constexpr double kMegabyte = 1048576.0;
constexpr long kPreviewSide = 80;
constexpr long kBoxHeight = 100;

std::wstring Grouped(const std::wstring& digits, const std::wstring& thousands) {
    std::wstring out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += thousands;
        out += digits[i];
    }
    return out;
}

std::wstring SignedNumber(long value) { return (value >= 0 ? L" " : L"") + std::to_wstring(value); }

}  // namespace

long RoundToLong(double value) { return static_cast<long>(RoundHalfEven(value)); }

std::wstring FormatGrouped(double value, int minDecimals, int maxDecimals, const NumberSeparators& separators) {
    const double scale = std::pow(10.0, maxDecimals);
    const double scaled = std::floor(std::fabs(value) * scale + 0.5);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", scaled);
    std::string all(buffer);
    if (all.size() <= static_cast<size_t>(maxDecimals)) all.insert(0, maxDecimals + 1 - all.size(), '0');
    std::string whole = all.substr(0, all.size() - maxDecimals);
    std::string fraction = all.substr(all.size() - maxDecimals);
    while (fraction.size() > static_cast<size_t>(minDecimals) && fraction.back() == '0') fraction.pop_back();
    std::wstring text = Grouped(std::wstring(whole.begin(), whole.end()), separators.thousands);
    if (!fraction.empty()) text += separators.decimal + std::wstring(fraction.begin(), fraction.end());
    return (value < 0 && scaled != 0 ? L"-" : L"") + text;
}

std::wstring FileSizeLine(uint64_t size, const NumberSeparators& separators) {
    const double bytes = static_cast<double>(size);
    if (bytes < kKilobyte) return L"File Size : " + FormatGrouped(bytes, 0, 0, separators) + L" Bytes";
    if (bytes < kMegabyte) return L"File Size : " + FormatGrouped(bytes / kKilobyte, 1, 2, separators) + L" KB";
    return L"File Size : " + FormatGrouped(bytes / kMegabyte, 1, 2, separators) + L" MB";
}

std::wstring AttributeLine(uint32_t attributes) {
    constexpr uint32_t kArchive = 32, kHidden = 2, kReadOnly = 1, kSystem = 4;
    std::wstring flags = L"AHRS";
    const uint32_t order[4] = {kArchive, kHidden, kReadOnly, kSystem};
    for (size_t i = 0; i < 4; ++i)
        if (!(attributes & order[i])) flags[i] = L' ';
    return L"File Attribute: " + flags;
}

std::wstring WidthLine(long width) { return L"Image Width  :" + SignedNumber(width) + L" Pixels"; }
std::wstring HeightLine(long height) { return L"Image Height :" + SignedNumber(height) + L" Pixels"; }

PreviewSize FitPreview(long boxWidth, long boxHeight) {
    if (boxWidth <= 0 || boxHeight <= 0) return {0, 0};
    if (boxWidth >= boxHeight)
        return {kPreviewSide, RoundToLong(static_cast<double>(kPreviewSide) * boxHeight / boxWidth)};
    return {RoundToLong(static_cast<double>(kPreviewSide) * boxWidth / boxHeight), kPreviewSide};
}

PreviewLayout LayoutPreview(long dialogWidth, long dialogHeight, PreviewSize picture) {
    PreviewLayout layout{};
    const long top = dialogHeight - 140;
    layout.clearedArea = {10, dialogHeight - 137, 10 + dialogWidth - 31, dialogHeight - 137 + 93};
    layout.etchedBox = {7, top, dialogWidth - 17, dialogHeight - 40};
    const long pictureLeft = (dialogWidth - 17) - picture.width - 10;
    const long pictureTop = top + RoundToLong((kBoxHeight - picture.height) / 2.0);
    layout.picture = {pictureLeft, pictureTop, pictureLeft + picture.width, pictureTop + picture.height};
    layout.textLeft = 20;
    for (int line = 0; line < 4; ++line) layout.textTop[line] = top + 12 + 20 * line;
    return layout;
}

}  // namespace kx
