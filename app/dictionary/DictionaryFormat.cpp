#include "DictionaryFormat.h"

#include "text/Utf8.h"

namespace zarvanta {

std::string FormatDictionaryLine(const DictionaryRecord& record) {
    std::string line = EncodeUtf8(record.Word);
    line += '\t';
    line += EncodeUtf8(record.AbjadWord);
    line += '\t';
    line += std::to_string(record.Length);
    line += '\t';
    line += std::to_string(record.Abjad);
    return line;
}

}  // namespace zarvanta
