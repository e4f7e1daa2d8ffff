// The network walk over fixed trees: servers and shares, the table's growth, odd trees and stopping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NetworkFixture.h"
#include "NetworkNeighbourhood.h"

namespace {

using kx::NetworkFixture;
using kx::NetworkNeighbourhood;

const wchar_t kWorkgroup[] =
    L"network Microsoft Windows Network\n"
    L"  domain WORKGROUP\n"
    L"    server \\\\ALPHA\n"
    L"      share \\\\ALPHA\\docs\n"
    L"      share \\\\alpha\\Music\n"  // the prefix in another case
    L"    server \\\\BETA\n"
    L"    # BETA has no shares\n"
    L"    server \\\\gamma\n"
    L"      share \\\\gamma\\pub\n";

const auto kGoOn = [] { return true; };

std::wstring SharesOf(const kx::NetworkServer* server) {
    std::wstring text;
    if (server)
        for (const std::wstring& share : server->shares) text += share + L"|";
    return text;
}

std::wstring ServerNames(const NetworkNeighbourhood& network) {
    std::wstring text;
    for (const kx::NetworkServer& server : network.Servers()) text += server.displayName + L"|";
    return text;
}

TEST(NetworkNeighbourhood, FindsServersAndTheirShares) {
    NetworkFixture fixture(kWorkgroup);
    NetworkNeighbourhood network;
    EXPECT_TRUE(network.Enumerate(fixture, kGoOn));
    EXPECT_EQ(ServerNames(network), L"ALPHA|BETA|gamma|");
    EXPECT_EQ(network.Servers()[0].remoteName, L"\\\\ALPHA");
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\ALPHA\\")), L"docs|Music|");
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\BETA\\")), L"");
    EXPECT_EQ(network.ServerAt(L"\\\\DELTA\\"), nullptr);
    EXPECT_EQ(fixture.LiveCount(), 0);
}

TEST(NetworkNeighbourhood, ServersAreFoundWithoutCase) {
    NetworkFixture fixture(kWorkgroup);
    NetworkNeighbourhood network;
    network.Enumerate(fixture, kGoOn);
    // The address box and Up give the path in upper case.
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\GAMMA\\")), L"pub|");
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\alpha\\")), L"docs|Music|");
    EXPECT_EQ(network.ServerAt(L"\\\\GAMMA"), nullptr);
}

TEST(NetworkNeighbourhood, ASecondWalkAddsTheServersAgain) {
    NetworkFixture fixture(kWorkgroup);
    NetworkNeighbourhood network;
    network.Enumerate(fixture, kGoOn);
    network.Enumerate(fixture, kGoOn);
    EXPECT_EQ(ServerNames(network), L"ALPHA|BETA|gamma|ALPHA|BETA|gamma|");
}

TEST(NetworkNeighbourhood, AnEmptyOrClosedNetworkHasNoServers) {
    for (const wchar_t* text : {L"", L"# nothing\n"}) {
        NetworkFixture fixture(text);
        NetworkNeighbourhood network;
        EXPECT_TRUE(network.Enumerate(fixture, kGoOn));
        EXPECT_TRUE(network.Empty());
    }
}

TEST(NetworkNeighbourhood, EveryServerGetsItsOwnRowBeyondAThousand) {
    std::wstring text = L"domain BIG\n";
    for (int i = 0; i < 1500; ++i) {
        const std::wstring name = L"\\\\S" + std::to_wstring(i);
        text += L"  server " + name + L"\n    share " + name + L"\\s" + std::to_wstring(i) + L"\n";
    }
    NetworkFixture fixture(text);
    NetworkNeighbourhood network;
    network.Enumerate(fixture, kGoOn);
    ASSERT_EQ(network.Servers().size(), 1500u);
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\S999\\")), L"s999|");
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\S1499\\")), L"s1499|");  // no row reused, no shares mixed
}

TEST(NetworkNeighbourhood, AShareBeforeAnyServerIsSkipped) {
    NetworkFixture fixture(L"domain D\n  share \\\\X\\lost\n  server \\\\Y\n    share \\\\Y\\kept\n");
    NetworkNeighbourhood network;
    EXPECT_TRUE(network.Enumerate(fixture, kGoOn));
    EXPECT_EQ(ServerNames(network), L"Y|");
    EXPECT_EQ(SharesOf(network.ServerAt(L"\\\\Y\\")), L"kept|");
    EXPECT_EQ(fixture.LiveCount(), 0);
}

TEST(NetworkNeighbourhood, AContainerListingItselfIsNotOpenedAgain) {
    NetworkFixture fixture(L"domain LOOP\n  domain LOOP\n  server \\\\Z\n    share \\\\Z\\s\n");
    NetworkNeighbourhood network;
    EXPECT_TRUE(network.Enumerate(fixture, kGoOn));
    EXPECT_EQ(ServerNames(network), L"Z|");
    EXPECT_EQ(fixture.LiveCount(), 0);
}

TEST(NetworkNeighbourhood, DeepTreesStopAtTheDepthBound) {
    std::wstring text;
    for (int depth = 0; depth < 40; ++depth)
        text += std::wstring(depth * 2, L' ') + L"domain D" + std::to_wstring(depth) + L"\n";
    text += std::wstring(80, L' ') + L"server \\\\DEEP\n";
    NetworkFixture fixture(text);
    NetworkNeighbourhood network;
    EXPECT_TRUE(network.Enumerate(fixture, kGoOn));
    EXPECT_TRUE(network.Empty());
    EXPECT_LE(fixture.OpenCount(), kx::kMaxNetworkDepth + 1);
    EXPECT_EQ(fixture.LiveCount(), 0);
}

TEST(NetworkNeighbourhood, StoppingClosesEveryOpenContainer) {
    NetworkFixture fixture(kWorkgroup);
    NetworkNeighbourhood network;
    int records = 0;
    EXPECT_FALSE(network.Enumerate(fixture, [&] { return ++records < 4; }));
    EXPECT_EQ(records, 4);
    EXPECT_EQ(fixture.LiveCount(), 0);
    EXPECT_EQ(ServerNames(network), L"ALPHA|");
}

TEST(NetworkNeighbourhood, NamesOverSixtyFourThousandCharacters) {
    const std::wstring server = L"\\\\" + std::wstring(70000, L'N');
    NetworkFixture fixture(L"domain D\n  server " + server + L"\n    share " + server + L"\\" +
                           std::wstring(70000, L's') + L"\n");
    NetworkNeighbourhood network;
    network.Enumerate(fixture, kGoOn);
    ASSERT_EQ(network.Servers().size(), 1u);
    EXPECT_EQ(network.Servers()[0].displayName.size(), 70000u);
    ASSERT_NE(network.ServerAt(server + L"\\"), nullptr);
    EXPECT_EQ(network.ServerAt(server + L"\\")->shares.at(0).size(), 70000u);
}

TEST(NetworkNeighbourhood, ListingItems) {
    NetworkFixture fixture(kWorkgroup);
    NetworkNeighbourhood network;
    network.Enumerate(fixture, kGoOn);
    const std::vector<kx::NetworkItem> servers = kx::NetworkItemsAt(network, L"\\\\");
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[2].key, L"\\\\gamma");
    EXPECT_EQ(servers[2].text, L"gamma");
    EXPECT_EQ(servers[2].sortKey, L"\\\\gamma");
    const std::vector<kx::NetworkItem> shares = kx::NetworkItemsAt(network, L"\\\\ALPHA\\");
    ASSERT_EQ(shares.size(), 2u);
    EXPECT_EQ(shares[1].key, L"\\\\ALPHA\\Music");
    EXPECT_EQ(shares[1].text, L"Music");
    EXPECT_EQ(shares[1].sortKey, L"1_\\\\ALPHA\\Music");
    EXPECT_TRUE(kx::NetworkItemsAt(network, L"\\\\BETA\\").empty());
    EXPECT_TRUE(kx::NetworkItemsAt(network, L"\\\\NOBODY\\").empty());
}

}  // namespace
