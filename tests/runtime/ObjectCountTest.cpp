// The shared GDI and USER counts rise by what is made and fall back when it goes: checks that compare
// them compare real figures.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "GdiTestSupport.h"
#include "ProcessWindows.h"

namespace {

TEST(ObjectCount, EightBrushesCountAsEightGdiObjects) {
    const DWORD before = kxtest::GdiObjectCount();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 8; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 2, 3)));
    EXPECT_EQ(before + 8, kxtest::GdiObjectCount());
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(before, kxtest::GdiObjectCount());
}

// A window of each kind the count enumerates: top-level, message-only, and a child of each.
TEST(ObjectCount, EachWindowCountsAsOneUserObject) {
    const struct {
        const char* kind;
        HWND parent;
        DWORD style;
    } kinds[] = {{"top-level", nullptr, WS_POPUP}, {"message-only", HWND_MESSAGE, 0}};
    for (const auto& kind : kinds) {
        const DWORD before = kxtest::UserObjectCount();
        const HWND window =
            CreateWindowExW(0, L"STATIC", L"", kind.style, 0, 0, 10, 10, kind.parent, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, window) << kind.kind;
        EXPECT_EQ(before + 1, kxtest::UserObjectCount()) << kind.kind;
        const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, window, nullptr, nullptr, nullptr);
        EXPECT_EQ(before + 2, kxtest::UserObjectCount()) << kind.kind << " with a child";
        DestroyWindow(child);
        DestroyWindow(window);
        EXPECT_EQ(before, kxtest::UserObjectCount()) << kind.kind;
    }
}

}  // namespace
