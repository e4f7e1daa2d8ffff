#pragma once
#include <cstdint>
#include <optional>

// The alert window's own size and the places of its title band, picture, message and three buttons, in
// pixels. The button row and the reserved height are 16-bit values: a layout that leaves them has none.
// Pure arithmetic, no platform calls.
namespace kx {

struct PixelSize {
    int width = 0, height = 0;
};

struct PixelPoint {
    int x = 0, y = 0;
};

// What the window shows: title and buttons count when their captions are not empty, the picture when it
// has an image.
struct AlertContent {
    bool hasTitle = false;
    PixelSize title;
    bool hasPicture = false;
    PixelSize picture;
    PixelSize message;
    bool hasButton[3] = {};
    PixelSize button[3];
};

struct AlertPlaces {
    int titleWidth = 0;  // the band spans the window; its height is the title's own
    PixelPoint picture;
    PixelPoint message;
    PixelPoint button[3];
    bool closesOnlyByButton = false;  // button 1 has a caption: no click or timed close
};

// The row of buttons as the automatic size counts it: width + 10 for each button with a caption.
std::optional<std::int16_t> AlertRowWidth(const AlertContent& content);
// The window's size from its contents; empty when the button row leaves 16 bits.
std::optional<PixelSize> AlertAutoSize(const AlertContent& content);
std::optional<AlertPlaces> AlertLayoutOf(const AlertContent& content, int innerWidth, int innerHeight);

}  // namespace kx
