#include "OutputFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace zarvanta {
namespace {

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace

OutputFile::OutputFile(std::filesystem::path path) : path_(std::move(path)), block_(kBlockBytes + kRoomBytes) {}

bool OutputFile::Open() {
    // Unbuffered: the blocks go to the file as they are.
    stream_.rdbuf()->pubsetbuf(nullptr, 0);
    errno = 0;
    stream_.open(path_, std::ios::binary | std::ios::trunc);
    if (!stream_.is_open()) {
        Fail(errno);
        return false;
    }
    return true;
}

void OutputFile::Write(std::string_view bytes) {
    if (failed_) return;
    while (!bytes.empty()) {
        if (used_ >= kBlockBytes) Flush();
        if (failed_) return;
        const std::size_t take = std::min(bytes.size(), kBlockBytes - used_);
        std::memcpy(block_.data() + used_, bytes.data(), take);
        used_ += take;
        bytes.remove_prefix(take);
    }
}

void OutputFile::WriteRepeated(std::string_view bytes, std::uint64_t times) {
    for (; times > 0 && !failed_; --times) Write(bytes);
}

bool OutputFile::Close() {
    if (!stream_.is_open()) return false;
    Flush();
    stream_.close();
    if (stream_.fail() && !failed_) Fail(errno);
    return !failed_;
}

// After a failure the blocks are dropped: the file is reported as failed, whatever follows.
void OutputFile::Flush() {
    if (!failed_ && used_ > 0 && stream_.is_open()) {
        errno = 0;
        stream_.write(block_.data(), static_cast<std::streamsize>(used_));
        if (!stream_) Fail(errno);
    }
    used_ = 0;
}

void OutputFile::Fail(int errorNumber) {
    failed_ = true;
    error_ = L"Cannot write the file " + path_.wstring();
    if (errorNumber != 0) error_ += L" (" + Widen(std::generic_category().message(errorNumber)) + L")";
    error_ += L".";
}

}  // namespace zarvanta
