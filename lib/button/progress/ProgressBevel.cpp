#include "ProgressBevel.h"

namespace kx {
namespace {

constexpr long kShadow = 0x00BEBEBE;
constexpr long kLight = 0x00EFEFEF;
constexpr long kOutline = 0x00686868;

struct CornerPixel {
    bool fromRight;   // x counted from W
    long x;
    bool fromBottom;  // y counted from H
    long y;
    long colour;
};

// In drawing order: top left, bottom left, top right, bottom right.
constexpr CornerPixel kCorners[] = {
    {false, 0, false, 0, 0x00FFFFFF}, {false, 0, false, 1, 0x00A6ABAC}, {false, 0, false, 2, 0x007D7E7F},
    {false, 1, false, 0, 0x00A7ABAC}, {false, 1, false, 1, 0x00777777}, {false, 2, false, 0, 0x007D7E7F},
    {false, 2, false, 2, 0x00BEBEBE},
    {false, 0, true, 1, 0x00FFFFFF},  {false, 1, true, 1, 0x00A6ABAC},  {false, 2, true, 1, 0x007D7E7F},
    {false, 0, true, 3, 0x007D7E7F},  {false, 0, true, 2, 0x00A7ABAC},  {false, 1, true, 2, 0x00777777},
    {true, 1, false, 0, 0x00FFFFFF},  {true, 1, false, 1, 0x00BEBEBE},  {true, 1, false, 2, 0x007D7E7F},
    {true, 2, false, 2, 0x00BEBEBE},  {true, 2, false, 1, 0x00686868},
    {true, 1, true, 1, 0x00FFFFFF},   {true, 1, true, 2, 0x00BEBEBE},   {true, 1, true, 3, 0x007D7E7F},
    {true, 2, true, 2, 0x00777777},   {true, 2, true, 1, 0x00BEBEBE},   {true, 3, true, 1, 0x007D7E7F},
};

}  // namespace

void PaintBevelFrame(const ProgressScene& scene) {
    const ProgressCanvas& c = scene.canvas;
    const long w = scene.width;
    const long h = scene.height;
    c.Line(2, 1, w - 2, 1, kShadow);
    c.Line(2, h - 2, w - 2, h - 2, kLight);
    c.Line(1, 2, 1, h - 2, kShadow);
    c.Line(2, 2, 2, h - 2, kLight);
    c.Line(2, 2, w - 2, 2, kLight);
    c.Line(w - 2, 2, w - 2, h - 2, kLight);
    c.Frame(scene.Client(), kOutline);
    for (const CornerPixel& p : kCorners)
        c.Pixel(p.fromRight ? w - p.x : p.x, p.fromBottom ? h - p.y : p.y, p.colour);
}

}  // namespace kx
