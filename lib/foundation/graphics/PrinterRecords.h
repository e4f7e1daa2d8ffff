#pragma once
#include <array>
#include <cstdint>
#include <string>

// The device-mode and device-names blocks handed to the print and page-setup dialogs, built from
// ANSI names. Pure logic: no windows.h.
namespace kx {

constexpr size_t kDevModeBlockSize = 122;
constexpr size_t kDevNamesBlockSize = 108;

using DevModeBlock = std::array<uint8_t, kDevModeBlockSize>;
using DevNamesBlock = std::array<uint8_t, kDevNamesBlockSize>;

struct DevModeFields {
    std::string deviceName;  // ANSI
    int16_t orientation = 0;
    int16_t copies = 0;
    int16_t duplex = 0;
};

// Device name cut or padded with spaces to 32 bytes, size 122, fields orientation | copies | duplex.
DevModeBlock BuildDevMode(const DevModeFields& fields);
// What the dialog left: the device name up to its first NUL, orientation, copies and duplex.
DevModeFields ReadDevMode(const DevModeBlock& block);

// Offsets (in characters from the block's start) and the three names, each ended by a NUL, padded
// with spaces. Names too long for the block are cut so that every name still ends inside it.
DevNamesBlock BuildDevNames(const std::string& driver, const std::string& device, const std::string& port);

}  // namespace kx
