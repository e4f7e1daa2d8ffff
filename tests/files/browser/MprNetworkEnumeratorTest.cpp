// Reading a container through the provider calls: batches, a record larger than the buffer, long names.
#include <gtest/gtest.h>

#include <windows.h>
#include <winnetwk.h>

#include <cstring>
#include <string>
#include <vector>

#include "MprNetworkEnumerator.h"

namespace {

// A provider that packs its records as mpr does: the fixed parts first, their names from the buffer's end.
struct FakeProvider {
    std::vector<std::wstring> names;
    size_t next = 0;
    int opened = 0, closed = 0, calls = 0;
    DWORD largestBuffer = 0;
};

FakeProvider* provider = nullptr;

DWORD WINAPI FakeOpen(DWORD, DWORD, DWORD, LPNETRESOURCEW, LPHANDLE handle) {
    ++provider->opened;
    *handle = reinterpret_cast<HANDLE>(provider);
    return NO_ERROR;
}

DWORD WINAPI FakeEnumerate(HANDLE, LPDWORD count, LPVOID buffer, LPDWORD bufferSize) {
    ++provider->calls;
    provider->largestBuffer = std::max(provider->largestBuffer, *bufferSize);
    if (provider->next >= provider->names.size()) return ERROR_NO_MORE_ITEMS;
    auto* bytes = static_cast<BYTE*>(buffer);
    DWORD front = 0, back = *bufferSize, packed = 0;
    while (provider->next < provider->names.size() && packed < *count) {
        const std::wstring& name = provider->names[provider->next];
        const DWORD textBytes = static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t));
        if (front + sizeof(NETRESOURCEW) + textBytes > back) break;
        back -= textBytes;
        std::memcpy(bytes + back, name.c_str(), textBytes);
        NETRESOURCEW record = {};
        record.dwDisplayType = RESOURCEDISPLAYTYPE_SERVER;
        record.lpRemoteName = reinterpret_cast<wchar_t*>(bytes + back);
        std::memcpy(bytes + front, &record, sizeof(record));
        front += sizeof(NETRESOURCEW);
        ++packed;
        ++provider->next;
    }
    if (packed == 0) {
        *bufferSize = static_cast<DWORD>(sizeof(NETRESOURCEW) + (provider->names[provider->next].size() + 1) * 2);
        return ERROR_MORE_DATA;
    }
    *count = packed;
    return NO_ERROR;
}

DWORD WINAPI FakeClose(HANDLE) {
    ++provider->closed;
    return NO_ERROR;
}

std::vector<std::wstring> ReadAll(FakeProvider& fake) {
    provider = &fake;
    kx::MprNetworkEnumerator enumerator({FakeOpen, FakeEnumerate, FakeClose});
    std::vector<std::wstring> names;
    {
        std::unique_ptr<kx::NetworkContainer> container = enumerator.Open(nullptr);
        kx::NetworkResource record;
        while (container && container->Next(record)) names.push_back(record.remoteName);
    }
    provider = nullptr;
    return names;
}

TEST(MprNetworkEnumerator, ReadsUntilTheProviderHasNoMore) {
    FakeProvider fake;
    for (int i = 0; i < 3000; ++i) fake.names.push_back(L"\\\\SERVER" + std::to_wstring(i));
    const std::vector<std::wstring> names = ReadAll(fake);
    EXPECT_EQ(names, fake.names);
    EXPECT_GT(fake.calls, 2);  // more records than one buffer holds
    EXPECT_EQ(fake.opened, 1);
    EXPECT_EQ(fake.closed, 1);
}

TEST(MprNetworkEnumerator, GrowsTheBufferForARecordLargerThanIt) {
    FakeProvider fake;
    fake.names = {L"\\\\A", L"\\\\" + std::wstring(70000, L'L'), L"\\\\C"};
    const std::vector<std::wstring> names = ReadAll(fake);
    EXPECT_EQ(names, fake.names);
    EXPECT_GT(fake.largestBuffer, kx::kNetBufferStart);
    EXPECT_EQ(fake.closed, 1);
}

TEST(MprNetworkEnumerator, ARecordBeyondTheLimitEndsTheContainer) {
    FakeProvider fake;
    fake.names = {L"\\\\A", L"\\\\" + std::wstring(kx::kNetBufferLimit, L'X')};
    const std::vector<std::wstring> names = ReadAll(fake);
    EXPECT_EQ(names, std::vector<std::wstring>{L"\\\\A"});
    EXPECT_EQ(fake.closed, 1);
}

TEST(MprNetworkEnumerator, WinesProviderHasNoNetwork) {
    kx::MprNetworkEnumerator enumerator;
    std::unique_ptr<kx::NetworkContainer> container = enumerator.Open(nullptr);
    kx::NetworkResource record;
    EXPECT_TRUE(!container || !container->Next(record));
}

}  // namespace
