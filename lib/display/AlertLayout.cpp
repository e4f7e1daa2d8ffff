#include "AlertLayout.h"

#include "Rounding.h"

namespace kx {
namespace {

int Half(double value) { return static_cast<int>(RoundHalfEven(value / 2)); }

std::optional<std::int16_t> Int16(long value) {
    if (!FitsInt16(static_cast<double>(value))) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::optional<std::int16_t> AlertRowWidth(const AlertContent& content) {
    long row = 0;
    for (int i = 0; i < 3; ++i)
        if (content.hasButton[i]) row += content.button[i].width + 10;
    return Int16(row);
}

std::optional<PixelSize> AlertAutoSize(const AlertContent& content) {
    const std::optional<std::int16_t> row = AlertRowWidth(content);
    if (!row) return std::nullopt;
    PixelSize size;
    if (content.hasPicture) {  // picture over message: the wider one sets the width
        size.width = content.picture.width > content.message.width ? content.picture.width : content.message.width;
        size.height = content.message.height + content.picture.height + 15;
        size.width += 10;
    } else {
        size = {content.message.width + 10, content.message.height + 10};
    }
    if (content.hasButton[0]) {  // only the first caption decides whether the row counts
        size.height = content.button[0].height + size.height + 10;
        if (size.width < *row) size.width = *row + 10;
    }
    if (content.hasTitle) size.height = content.title.height + size.height + 5;
    return size;
}

std::optional<AlertPlaces> AlertLayoutOf(const AlertContent& content, int innerWidth, int innerHeight) {
    const int titleOffset = content.hasTitle ? content.title.height + 5 : 0;
    const std::optional<std::int16_t> reserved =
        Int16((content.hasButton[0] ? content.button[0].height + 10L : 0L) + titleOffset);
    const std::optional<std::int16_t> row =
        Int16((content.hasButton[0] ? content.button[0].width + 10L : 0L) +
              (content.hasButton[1] ? content.button[1].width + 10L : 0L) +
              (content.hasButton[2] ? content.button[2].width : 0L));
    if (!reserved || !row) return std::nullopt;

    AlertPlaces places;
    places.titleWidth = innerWidth;
    places.picture.x = Half(static_cast<double>(innerWidth) - content.picture.width);
    places.message.x = Half(static_cast<double>(innerWidth) - content.message.width);
    if (content.hasPicture) {
        places.picture.y = Half(static_cast<double>(innerHeight) - *reserved - content.picture.height -
                                content.message.height - 5) +
                           titleOffset;
        places.message.y = places.picture.y + content.picture.height + 5;
    } else {
        places.message.y = Half(static_cast<double>(innerHeight) - *reserved - content.message.height) + titleOffset;
    }
    const std::optional<std::int16_t> start = Int16(Half(static_cast<double>(innerWidth) - *row));
    int x = start ? *start : 0;
    places.closesOnlyByButton = content.hasButton[0];
    for (int i = 0; i < 3; ++i) {
        if (content.hasButton[i]) {
            places.button[i].x = x;
            x = content.button[i].width + x + 10;
        }
        places.button[i].y = innerHeight - content.button[i].height - 5;
    }
    return places;
}

}  // namespace kx
