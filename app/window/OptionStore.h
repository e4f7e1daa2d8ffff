#pragma once
#include <string>

#include "LibraryObjects.h"
#include "engine/AbjadOptions.h"

// The ten options in the settings file beside the program: section "Option", keys "Item0" to "Item9",
// read and written through the library's settings object.
namespace zarvanta {

class OptionStore {
public:
    OptionStore(LibraryObjects& library, std::wstring file) : library_(library), file_(std::move(file)) {}

    // Each option from the file; a missing file or key, or a value that reads as no Boolean, gives the
    // option's default.
    void Load(AbjadOptions& options);
    // Writes all ten keys; a failed write is ignored.
    void Save(const AbjadOptions& options);

    const std::wstring& File() const { return file_; }

private:
    LibraryObjects& library_;
    std::wstring file_;
};

// The settings file's path: the program's folder followed by "\Config.ini".
std::wstring ConfigFileBeside(const std::wstring& programFolder);

}  // namespace zarvanta
