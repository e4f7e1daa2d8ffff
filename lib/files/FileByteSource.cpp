#include "FileByteSource.h"

namespace kx {

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::unique_ptr<FileByteSource>(new FileByteSource(file));
}

FileByteSource::~FileByteSource() { CloseHandle(file_); }

size_t FileByteSource::ReadAt(uint64_t offset, uint8_t* buffer, size_t count) {
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(file_, buffer, static_cast<DWORD>(count), &read, &at)) return 0;
    return read;
}

}  // namespace kx
