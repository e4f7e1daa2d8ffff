#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "OutputFile.h"

// Output.txt and OutputDic.txt in the program's folder, opened and closed together.
namespace zarvanta {

class ArrangementFiles {
public:
    explicit ArrangementFiles(const std::filesystem::path& folder);

    // Creates or empties Output.txt, then OutputDic.txt; false when either cannot be.
    bool Open();
    // False when either file failed at any point.
    bool Close();

    OutputFile& Words() { return words_; }
    OutputFile& DictionaryLines() { return dictionaryLines_; }
    bool Failed() const { return words_.Failed() || dictionaryLines_.Failed(); }
    // The first failure, naming its file.
    std::wstring Error() const;
    // Output.txt, and OutputDic.txt when the dictionary was checked: what the editor opens.
    std::vector<std::filesystem::path> FilesToOpen(bool dictionaryChecked) const;

private:
    OutputFile words_;
    OutputFile dictionaryLines_;
};

}  // namespace zarvanta
