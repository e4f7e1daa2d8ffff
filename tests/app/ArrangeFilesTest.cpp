#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "ArrangeTestSupport.h"
#include "TestSupport.h"
#include "arrange/ArrangementRun.h"
#include "dictionary/DictionaryTable.h"
#include "engine/AbjadEngine.h"

using zarvanta::ArrangementMode;
using zarvanta::ArrangementOutcome;
using zarvanta::ArrangementRequest;

namespace {

const char* const kFixture = "Word\tAbjadWord\tLength\tAbjad\nab\tab\t2\t0\n";

// Holds a file open without sharing it, as another program can.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {}
    ~HeldFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    bool IsHeld() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

zarvanta::ArrangementResult RunInto(const std::filesystem::path& folder, ArrangementMode mode) {
    zarvanta::RecordSet records(zarvanta::DictionaryTable::Parse(kFixture, L"fixture.txt"));
    const zarvanta::AbjadEngine engine;
    arrangetest::RecordingSink sink;
    return zarvanta::RunArrangements(engine, ArrangementRequest{L"اب", mode, true, &records, folder}, sink);
}

void ExpectFailureNaming(const zarvanta::ArrangementResult& result, const std::wstring& file) {
    EXPECT_EQ(result.Outcome, ArrangementOutcome::Failed);
    EXPECT_TRUE(result.FilesToOpen.empty());
    EXPECT_NE(result.Message.find(file), std::wstring::npos) << testing::PrintToString(result.Message);
    EXPECT_EQ(result.Letters, L"اب");
}

}  // namespace

TEST(ArrangeFiles, ReportsFilesThatCannotBeWritten) {
    for (const auto mode : {ArrangementMode::AllLetters, ArrangementMode::GreatCycle}) {
        SCOPED_TRACE(static_cast<int>(mode));
        kxtest::ScratchFolder folder;
        ExpectFailureNaming(RunInto(folder.File(L"missing"), mode), L"missing\\Output.txt");
        {
            HeldFile held(folder.File(L"Output.txt"));
            ASSERT_TRUE(held.IsHeld());
            ExpectFailureNaming(RunInto(folder.path(), mode), L"Output.txt");
        }
        std::filesystem::create_directory(folder.File(L"OutputDic.txt"));
        ExpectFailureNaming(RunInto(folder.path(), mode), L"OutputDic.txt");
        std::filesystem::remove(folder.File(L"OutputDic.txt"));

        const auto written = RunInto(folder.path(), mode);
        EXPECT_EQ(written.Outcome, ArrangementOutcome::Completed);
        EXPECT_TRUE(written.Message.empty());
    }
}
