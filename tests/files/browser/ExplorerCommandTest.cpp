// The command line that opens a location in the system's explorer.
#include <gtest/gtest.h>

#include "ExplorerCommand.h"

namespace {

TEST(ExplorerCommand, QuotesFoldersAndKeepsRootsAsTheyAre) {
    struct Case {
        const wchar_t* location;
        const wchar_t* command;
    };
    const Case cases[] = {
        {L"C:\\My Files\\", L"Explorer.exe \"C:\\My Files\""},
        {L"C:\\My Files", L"Explorer.exe \"C:\\My Files\""},
        {L"C:\\", L"Explorer.exe C:\\"},
        {L"C:", L"Explorer.exe C:\\"},
        {L"\\", L"Explorer.exe \\"},
        {L"", L"Explorer.exe \\"},
        {L"\\\\", L"Explorer.exe \\\\"},
        {L"\\\\SERVER\\docs\\", L"Explorer.exe \"\\\\SERVER\\docs\""},
    };
    for (const Case& c : cases) EXPECT_EQ(kx::ExplorerCommandLine(c.location), c.command) << c.location;
}

}  // namespace
