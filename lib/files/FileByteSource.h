#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ByteSource.h"

// A file opened for reading as raw bytes, shared for reading by others.
namespace kx {

class FileByteSource : public ByteSource {
public:
    ~FileByteSource() override;
    // The open file; null when it cannot be opened for reading (a folder, no access).
    static std::unique_ptr<FileByteSource> Open(const std::wstring& path);
    size_t ReadAt(uint64_t offset, uint8_t* buffer, size_t count) override;

private:
    explicit FileByteSource(HANDLE file) : file_(file) {}
    HANDLE file_;
};

}  // namespace kx
