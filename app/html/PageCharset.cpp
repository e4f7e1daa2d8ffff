#include "PageCharset.h"

#include <cctype>
#include <charconv>
#include <string>

namespace zarvanta {
namespace {

constexpr std::size_t kSniffedBytes = 64 * 1024;  // the <head> of any sensible page

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

unsigned NumberAfter(std::string_view label, std::string_view prefix) {
    unsigned number = 0;
    const std::string_view digits = label.substr(prefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() ? number : 0;
}

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool IsLabelCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.';
}

// The label after "charset" and '=' inside one <meta ...> tag (already in lower case), or empty.
std::string_view CharsetInMeta(std::string_view meta) {
    for (std::size_t at = meta.find("charset"); at != std::string_view::npos; at = meta.find("charset", at + 7)) {
        std::size_t i = at + 7;
        while (i < meta.size() && IsBlank(meta[i])) ++i;
        if (i >= meta.size() || meta[i] != '=') continue;
        ++i;
        while (i < meta.size() && (IsBlank(meta[i]) || meta[i] == '"' || meta[i] == '\'')) ++i;
        std::size_t end = i;
        while (end < meta.size() && IsLabelCharacter(meta[end])) ++end;
        if (end > i) return meta.substr(i, end - i);
    }
    return {};
}

unsigned CodePageOfMeta(std::string_view bytes) {
    const std::string head = Lower(bytes.substr(0, kSniffedBytes));
    for (std::size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 5)) {
        const std::size_t end = head.find('>', at);
        const std::string_view label =
            CharsetInMeta(std::string_view(head).substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (label.empty()) continue;
        const unsigned codePage = CodePageOfCharsetLabel(label);
        // A page that can be read as ASCII is not UTF-16, whatever it says.
        if (codePage == codepage::kUtf16LittleEndian || codePage == codepage::kUtf16BigEndian) return codepage::kUtf8;
        return codePage;
    }
    return codepage::kUnstated;
}

}  // namespace

unsigned CodePageOfCharsetLabel(std::string_view label) {
    const std::string name = Lower(label);
    if (name == "utf-8" || name == "utf8" || name == "unicode-1-1-utf-8") return codepage::kUtf8;
    if (name == "utf-16" || name == "utf-16le" || name == "unicode") return codepage::kUtf16LittleEndian;
    if (name == "utf-16be") return codepage::kUtf16BigEndian;
    if (name == "us-ascii" || name == "ascii" || name == "latin1" || name == "iso-8859-1" || name == "l1")
        return 1252;
    if (name == "arabic" || name == "asmo-708") return 28596;
    if (StartsWith(name, "windows-")) return NumberAfter(name, "windows-");
    if (StartsWith(name, "x-cp")) return NumberAfter(name, "x-cp");
    if (StartsWith(name, "cp")) return NumberAfter(name, "cp");
    if (StartsWith(name, "iso-8859-")) {
        const unsigned part = NumberAfter(name, "iso-8859-");
        return part >= 2 && part <= 15 ? 28590 + part : codepage::kUnstated;
    }
    return codepage::kUnstated;
}

PageCharset SniffPageCharset(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return {codepage::kUtf8, 3};
    if (StartsWith(bytes, "\xFF\xFE")) return {codepage::kUtf16LittleEndian, 2};
    if (StartsWith(bytes, "\xFE\xFF")) return {codepage::kUtf16BigEndian, 2};
    return {CodePageOfMeta(bytes), 0};
}

}  // namespace zarvanta
