#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// A text file written in large blocks, created or emptied when opened. Any failure to open or write is kept and
// reported by name, so that a file written in part is never taken as done.
namespace zarvanta {

class OutputFile {
public:
    explicit OutputFile(std::filesystem::path path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool Open();
    void Write(std::string_view bytes);
    void WriteRepeated(std::string_view bytes, std::uint64_t times);
    // Room to write up to kRoomBytes in place; Commit then keeps what was written.
    static constexpr std::size_t kRoomBytes = std::size_t{1} << 16;
    char* Room() {
        if (used_ >= kBlockBytes) Flush();
        return block_.data() + used_;
    }
    void Commit(std::size_t bytes) { used_ += bytes; }
    // Writes what is buffered and closes the file; false when it or anything before failed.
    bool Close();

    bool Failed() const { return failed_; }
    const std::filesystem::path& Path() const { return path_; }
    // What failed, naming the file; empty while nothing has.
    const std::wstring& Error() const { return error_; }

private:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

    void Flush();
    void Fail(int errorNumber);

    std::filesystem::path path_;
    std::ofstream stream_;
    std::vector<char> block_;  // kBlockBytes, and kRoomBytes more for room asked for just before the end
    std::size_t used_ = 0;
    bool failed_ = false;
    std::wstring error_;
};

}  // namespace zarvanta
