// The button's About shows the library's About box with the button's title.
#include <gtest/gtest.h>

#include "AboutBoxTestSupport.h"
#include "KxButton.h"

namespace {

TEST(ButtonAboutTest, AboutShowsTheBoxWithTheButtonsTitle) {
    kx::KxButton* button = new kx::KxButton();
    HRESULT result = E_FAIL;
    EXPECT_EQ(L"Velmora Group Button", kxtest::AboutTitleShownBy([&] { return button->About(); }, &result));
    EXPECT_EQ(S_OK, result);
    EXPECT_EQ(nullptr, kxtest::OwnAboutBox());
    button->Release();
}

}  // namespace
