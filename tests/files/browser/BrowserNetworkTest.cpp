// actFileDialog's network places over a fixed tree named by KX_NETWORK_FIXTURE.
#include <gtest/gtest.h>

#include "BrowserFixture.h"

namespace {

using kxtest::HostedBrowser;
using kxtest::ShownTexts;
using Texts = std::vector<std::wstring>;

// Writes the fixture and names it in the environment for as long as the object lives.
class NetworkFixtureFile {
public:
    explicit NetworkFixtureFile(const std::string& text) {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
        SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", path_.c_str());
    }
    ~NetworkFixtureFile() { SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", nullptr); }

private:
    kxtest::ScratchFolder scratch_;
    std::wstring path_ = scratch_.File(L"network.txt");
};

const char kNetwork[] =
    "network Microsoft Windows Network\n"
    "  domain WORKGROUP\n"
    "    server \\\\ALPHA\n"
    "      share \\\\ALPHA\\docs\n"
    "      share \\\\alpha\\Music\n"
    "    server \\\\BETA\n"
    "    server \\\\gamma\n"
    "      share \\\\gamma\\pub\n";

TEST(BrowserNetwork, ServersThenTheSharesOfOne) {
    NetworkFixtureFile fixture(kNetwork);
    HostedBrowser host;
    kxtest::GoTo(host.browser, L"\\\\");
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"ALPHA", L"BETA", L"gamma"}));
    EXPECT_TRUE(kxtest::ShownItems(host.List())[0].second == L"\\\\ALPHA");
    kxtest::GoTo(host.browser, L"\\\\ALPHA\\");
    const std::vector<kxtest::ShownItem> shares = kxtest::ShownItems(host.List());
    ASSERT_EQ(shares.size(), 2u);
    EXPECT_EQ(shares[0].text, L"docs");
    EXPECT_EQ(shares[0].second, L"1_\\\\ALPHA\\docs");
    kxtest::GoTo(host.browser, L"\\\\GAMMA\\");  // the address box and Up give upper case
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"pub"}));
    kxtest::GoTo(host.browser, L"\\\\BETA\\");
    EXPECT_TRUE(ShownTexts(host.List()).empty());
    kxtest::GoTo(host.browser, L"\\\\NOBODY\\");
    EXPECT_TRUE(ShownTexts(host.List()).empty());
    EXPECT_TRUE(IsWindowVisible(host.List()));
}

TEST(BrowserNetwork, TheTableIsFilledOnceAndDoNetEnumAddsAgain) {
    NetworkFixtureFile fixture(kNetwork);
    HostedBrowser host;
    kxtest::GoTo(host.browser, L"\\\\");
    SetEnvironmentVariableW(L"KX_NETWORK_FIXTURE", L"C:\\no such fixture.txt");  // listing again reads the table
    kxtest::GoTo(host.browser, L"C:\\");
    kxtest::GoTo(host.browser, L"\\\\");
    EXPECT_EQ(ShownTexts(host.List()).size(), 3u);
    NetworkFixtureFile again(kNetwork);
    VARIANT_BOOL found = VARIANT_FALSE;
    EXPECT_EQ(host.browser->DoNetEnum(&found), S_OK);
    EXPECT_EQ(found, VARIANT_TRUE);
    host.browser->Refresh();
    EXPECT_EQ(ShownTexts(host.List()), (Texts{L"ALPHA", L"ALPHA", L"BETA", L"BETA", L"gamma", L"gamma"}));
}

TEST(BrowserNetwork, ARefreshDuringTheWalkReturnsAtOnce) {
    std::string text = "domain BIG\n";
    for (int i = 0; i < 300; ++i) text += "  server \\\\S" + std::to_string(1000 + i) + "\n";
    NetworkFixtureFile fixture(text);
    HostedBrowser host;
    kxtest::GoTo(host.browser, L"C:\\");
    PostMessageW(host.List(), WM_KEYDOWN, VK_F5, 0);  // handled while the walk yields
    PostMessageW(host.List(), WM_KEYUP, VK_F5, 0);
    kxtest::GoTo(host.browser, L"\\\\");
    EXPECT_EQ(ShownTexts(host.List()).size(), 300u);
    EXPECT_TRUE(IsWindowVisible(host.List()));
}

TEST(BrowserNetwork, NoNetworkListsNothing) {
    NetworkFixtureFile fixture("");
    HostedBrowser host;
    kxtest::GoTo(host.browser, L"\\\\");
    EXPECT_TRUE(ShownTexts(host.List()).empty());
    EXPECT_TRUE(IsWindowVisible(host.List()));
}

}  // namespace
