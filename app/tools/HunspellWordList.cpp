#include "HunspellWordList.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unordered_set>

#include "text/Utf8.h"

namespace zarvanta {
namespace {

bool IsCountLine(std::string_view line) {
    return !line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

[[noreturn]] void Fail(const std::wstring& sourceName, const std::string& problem) {
    throw std::runtime_error(EncodeUtf8(sourceName) + ": " + problem);
}

}  // namespace

std::vector<std::wstring> ReadHunspellWords(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail(file.wstring(), "cannot open the word list");
    std::ostringstream content;
    content << in.rdbuf();
    return ParseHunspellWords(content.view(), file.wstring());
}

std::vector<std::wstring> ParseHunspellWords(std::string_view content, const std::wstring& sourceName) {
    std::vector<std::wstring> words;
    std::unordered_set<std::wstring> seen;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < content.size();) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        const std::string_view line = Trimmed(content.substr(start, end - start));
        start = end + 1;
        if (++lineNumber == 1 && IsCountLine(line)) continue;
        const std::string_view entry = Trimmed(line.substr(0, line.find('/')));
        if (entry.empty()) continue;
        std::wstring word;
        if (!AppendUtf8(entry, word).ok()) Fail(sourceName, "line " + std::to_string(lineNumber) + " is not UTF-8");
        if (word.find(L'\t') != std::wstring::npos) continue;  // would split the record's fields
        if (seen.insert(word).second) words.push_back(std::move(word));
    }
    return words;
}

}  // namespace zarvanta
