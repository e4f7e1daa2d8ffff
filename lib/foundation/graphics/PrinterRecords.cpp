#include "PrinterRecords.h"

#include <algorithm>

namespace kx {
namespace {

// DEVMODEA field offsets.
constexpr size_t kDeviceNameLength = 32;
constexpr size_t kSizeOffset = 36;
constexpr size_t kFieldsOffset = 40;
constexpr size_t kOrientationOffset = 44;
constexpr size_t kCopiesOffset = 54;
constexpr size_t kDuplexOffset = 62;
constexpr uint32_t kOrientationCopiesDuplex = 0x1101;

// DEVNAMES: four 16-bit words, then the names.
constexpr size_t kNamesOffset = 8;
constexpr size_t kNamesLength = kDevNamesBlockSize - kNamesOffset;

template <size_t N>
void PutWord(std::array<uint8_t, N>& block, size_t offset, uint16_t value) {
    block[offset] = static_cast<uint8_t>(value & 0xFF);
    block[offset + 1] = static_cast<uint8_t>(value >> 8);
}

template <size_t N>
int16_t WordAt(const std::array<uint8_t, N>& block, size_t offset) {
    return static_cast<int16_t>(block[offset] | (block[offset + 1] << 8));
}

}  // namespace

DevModeBlock BuildDevMode(const DevModeFields& fields) {
    DevModeBlock block{};
    std::string name = fields.deviceName.substr(0, kDeviceNameLength);
    name.resize(kDeviceNameLength, ' ');
    std::copy(name.begin(), name.end(), block.begin());
    PutWord(block, kSizeOffset, static_cast<uint16_t>(kDevModeBlockSize));
    PutWord(block, kFieldsOffset, static_cast<uint16_t>(kOrientationCopiesDuplex & 0xFFFF));
    PutWord(block, kFieldsOffset + 2, static_cast<uint16_t>(kOrientationCopiesDuplex >> 16));
    PutWord(block, kOrientationOffset, static_cast<uint16_t>(fields.orientation));
    PutWord(block, kCopiesOffset, static_cast<uint16_t>(fields.copies));
    PutWord(block, kDuplexOffset, static_cast<uint16_t>(fields.duplex));
    return block;
}

DevModeFields ReadDevMode(const DevModeBlock& block) {
    DevModeFields fields;
    const auto nameEnd = std::find(block.begin(), block.begin() + kDeviceNameLength, uint8_t{0});
    fields.deviceName.assign(block.begin(), nameEnd);
    fields.orientation = WordAt(block, kOrientationOffset);
    fields.copies = WordAt(block, kCopiesOffset);
    fields.duplex = WordAt(block, kDuplexOffset);
    return fields;
}

DevNamesBlock BuildDevNames(const std::string& driver, const std::string& device, const std::string& port) {
    DevNamesBlock block{};
    std::string names = driver + '\0' + device + '\0' + port + '\0';
    const size_t deviceOffset = kNamesOffset + driver.size() + 1;
    const size_t outputOffset = deviceOffset + device.size() + 1;
    names.resize(kNamesLength, ' ');
    if (outputOffset + port.size() + 1 > kDevNamesBlockSize) names.back() = '\0';  // cut: the last name still ends
    std::copy(names.begin(), names.end(), block.begin() + kNamesOffset);
    const size_t lastByte = kDevNamesBlockSize - 1;
    PutWord(block, 0, static_cast<uint16_t>(kNamesOffset));
    PutWord(block, 2, static_cast<uint16_t>(std::min(deviceOffset, lastByte)));
    PutWord(block, 4, static_cast<uint16_t>(std::min(outputOffset, lastByte)));
    PutWord(block, 6, 0);
    return block;
}

}  // namespace kx
