#include "DictionaryTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <optional>

#include "text/Utf8.h"
#include "DictionaryError.h"
#include "DictionaryFormat.h"

namespace zarvanta {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::size_t kFieldCount = 4;

std::wstring WideOf(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

[[noreturn]] void ThrowMalformed(const std::wstring& sourceName, std::size_t line, const std::wstring& problem) {
    throw DictionaryError(L"The dictionary file \"" + sourceName + L"\" is malformed at line " +
                          std::to_wstring(line) + L": " + problem + L".");
}

std::size_t LineOfOffset(std::string_view content, std::size_t offset) {
    return 1 + static_cast<std::size_t>(std::count(content.begin(), content.begin() + offset, '\n'));
}

// The first four fields of a line and how many the line has.
struct LineFields {
    std::array<std::wstring_view, kFieldCount> field;
    std::size_t count = 0;
};

LineFields SplitFields(std::wstring_view line) {
    LineFields fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find(kFieldSeparator, start);
        const std::size_t size = tab == std::wstring_view::npos ? std::wstring_view::npos : tab - start;
        if (fields.count < kFieldCount) fields.field[fields.count] = line.substr(start, size);
        ++fields.count;
        if (tab == std::wstring_view::npos) return fields;
        start = tab + 1;
    }
}

// A whole number in the signed 32-bit range: optional minus sign and decimal digits only.
std::optional<std::int32_t> ParseWholeNumber(std::wstring_view field) {
    std::string ascii;
    for (const wchar_t c : field) {
        if (c > 0x7F) return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

void CheckHeader(std::wstring_view line, const std::wstring& sourceName) {
    if (line != WideOf(kDictionaryHeader))
        ThrowMalformed(sourceName, 1, L"the first line must be the header \"Word, AbjadWord, Length, Abjad\" "
                                      L"separated by tabs");
}

DictionaryRecord ParseRecord(std::wstring_view line, std::size_t lineNumber, const std::wstring& sourceName) {
    const auto [field, count] = SplitFields(line);
    if (count != kFieldCount)
        ThrowMalformed(sourceName, lineNumber,
                       L"4 fields separated by tabs were expected, found " + std::to_wstring(count));
    if (field[0].empty()) ThrowMalformed(sourceName, lineNumber, L"the Word field is empty");
    const auto length = ParseWholeNumber(field[2]);
    if (!length) ThrowMalformed(sourceName, lineNumber, L"the Length field is not a whole number");
    const auto abjad = ParseWholeNumber(field[3]);
    if (!abjad) ThrowMalformed(sourceName, lineNumber, L"the Abjad field is not a whole number");
    return {field[0], field[1], *length, *abjad};
}

}  // namespace

std::unique_ptr<const DictionaryTable> DictionaryTable::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in) throw DictionaryError(L"Cannot open the dictionary file \"" + file.wstring() + L"\".");
    const std::streamoff size = in.tellg();
    std::string content(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    in.seekg(0);
    if (size < 0 || !in.read(content.data(), static_cast<std::streamsize>(content.size())))
        throw DictionaryError(L"Cannot read the dictionary file \"" + file.wstring() + L"\".");
    return Parse(content, file.wstring());
}

std::unique_ptr<const DictionaryTable> DictionaryTable::Parse(std::string_view content,
                                                              const std::wstring& sourceName) {
    if (content.substr(0, kUtf8Mark.size()) == kUtf8Mark) content.remove_prefix(kUtf8Mark.size());
    std::unique_ptr<DictionaryTable> table(new DictionaryTable());
    const Utf8DecodeResult decoded = AppendUtf8(content, table->text_);
    if (!decoded.ok())
        ThrowMalformed(sourceName, LineOfOffset(content, decoded.errorOffset), L"the text is not valid UTF-8");
    table->ParseLines(sourceName);
    table->BuildIndexes();
    return table;
}

void DictionaryTable::ParseLines(const std::wstring& sourceName) {
    const std::wstring_view text(text_);
    records_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n')));
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size() || lineNumber == 0;) {
        ++lineNumber;
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        std::wstring_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        start = end + 1;
        if (lineNumber == 1) CheckHeader(line, sourceName);
        else records_.push_back(ParseRecord(line, lineNumber, sourceName));
    }
}

void DictionaryTable::BuildIndexes() {
    for (Index i = 0; i < records_.size(); ++i) {
        byLength_[records_[i].Length].push_back(i);
        byAbjad_[records_[i].Abjad].push_back(i);
    }
    byAbjadWord_.emplace(records_);
}

const std::vector<DictionaryTable::Index>& DictionaryTable::RecordsWith(DictionaryField field,
                                                                        std::int32_t value) const {
    static const std::vector<Index> kNone;
    const auto& buckets = field == DictionaryField::Length ? byLength_ : byAbjad_;
    const auto found = buckets.find(value);
    return found == buckets.end() ? kNone : found->second;
}

}  // namespace zarvanta
