#pragma once
#include <string>

#include "ProgressScene.h"

namespace kx {

struct ProgressCaption {
    bool show;
    std::wstring text;
    long foreColor;
    HFONT font;  // null: the context's current font
};

// The string the bar shows: Search shows its text; the others add the rounded share and " %".
std::wstring ProgressCaptionText(long scrolling, const std::wstring& text, float percent);

// Centres the caption on the client area; MediaPlayer and Metallic draw the part over the fill in a
// contrast colour.
void PaintProgressText(const ProgressScene& scene, const ProgressCaption& caption);

}  // namespace kx
