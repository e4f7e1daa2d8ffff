#include "ArrangementFiles.h"

#include "ArrangementTexts.h"

namespace zarvanta {

ArrangementFiles::ArrangementFiles(const std::filesystem::path& folder)
    : words_(folder / kOutputFileName), dictionaryLines_(folder / kOutputDicFileName) {}

bool ArrangementFiles::Open() { return words_.Open() && dictionaryLines_.Open(); }

bool ArrangementFiles::Close() {
    const bool wordsClosed = words_.Close();
    const bool linesClosed = dictionaryLines_.Close();
    return wordsClosed && linesClosed;
}

std::wstring ArrangementFiles::Error() const {
    return words_.Failed() ? words_.Error() : dictionaryLines_.Error();
}

std::vector<std::filesystem::path> ArrangementFiles::FilesToOpen(bool dictionaryChecked) const {
    std::vector<std::filesystem::path> files{words_.Path()};
    if (dictionaryChecked) files.push_back(dictionaryLines_.Path());
    return files;
}

}  // namespace zarvanta
