#include "HtmlTokenizer.h"

#include "HtmlEntities.h"

#include <algorithm>

namespace zarvanta {
namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f'; }
bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view lowerName) {
    if (text.size() != lowerName.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != lowerName[i]) return false;
    return true;
}

}  // namespace

const std::wstring* HtmlToken::Attribute(std::wstring_view name) const {
    for (const HtmlAttribute& attribute : attributes)
        if (attribute.name == name) return &attribute.value;
    return nullptr;
}

bool HtmlTokenizer::Next(HtmlToken& token) {
    while (at_ < html_.size()) {
        if (!StartsTag(at_)) {
            ReadText(token);
            return true;
        }
        if (ReadTag(token)) return true;
    }
    return false;
}

// '<' begins markup when followed by a letter, '/', '!' or '?'; otherwise it is text.
bool HtmlTokenizer::StartsTag(std::size_t at) const {
    if (html_[at] != L'<' || at + 1 >= html_.size()) return false;
    const wchar_t next = html_[at + 1];
    return IsAsciiLetter(next) || next == L'/' || next == L'!' || next == L'?';
}

void HtmlTokenizer::ReadText(HtmlToken& token) {
    std::size_t end = at_ + 1;
    while (end < html_.size() && !StartsTag(end)) ++end;
    token.kind = HtmlToken::Kind::Text;
    token.attributes.clear();
    token.text = DecodeCharacterReferences(html_.substr(at_, end - at_));
    at_ = end;
}

// Reads the markup at at_; false when it was a comment or declaration, which gives no token.
bool HtmlTokenizer::ReadTag(HtmlToken& token) {
    const wchar_t kind = html_[at_ + 1];
    if (html_.substr(at_, 4) == L"<!--") {
        at_ += 4;
        SkipPast(L"-->");
        return false;
    }
    if (kind == L'!' || kind == L'?' || (kind == L'/' && (at_ + 2 >= html_.size() || !IsAsciiLetter(html_[at_ + 2])))) {
        SkipPast(L">");
        return false;
    }
    const bool end = kind == L'/';
    at_ += end ? 2 : 1;
    token.kind = end ? HtmlToken::Kind::EndTag : HtmlToken::Kind::StartTag;
    token.text = ReadName();
    token.attributes.clear();
    ReadAttributes(token);
    if (at_ >= html_.size()) return false;  // no '>' before the end: dropped
    ++at_;
    return true;
}

std::wstring HtmlTokenizer::ReadName() {
    std::wstring name;
    while (at_ < html_.size() && !IsSpace(html_[at_]) && html_[at_] != L'>' && html_[at_] != L'/' &&
           html_[at_] != L'=')
        name.push_back(AsciiLower(html_[at_++]));
    return name;
}

// Attributes up to the tag's '>' (left at at_), quotes respected; a stray '/' is ignored.
void HtmlTokenizer::ReadAttributes(HtmlToken& token) {
    for (;;) {
        SkipSpaces();
        while (at_ < html_.size() && html_[at_] == L'/') {
            ++at_;
            SkipSpaces();
        }
        if (at_ >= html_.size() || html_[at_] == L'>') return;
        HtmlAttribute attribute;
        attribute.name = ReadName();
        if (attribute.name.empty()) attribute.name.push_back(html_[at_++]);  // a lone '=': skip it
        SkipSpaces();
        if (at_ < html_.size() && html_[at_] == L'=') {
            ++at_;
            SkipSpaces();
            attribute.value = ReadAttributeValue();
        }
        token.attributes.push_back(std::move(attribute));
    }
}

std::wstring HtmlTokenizer::ReadAttributeValue() {
    if (at_ >= html_.size()) return {};
    const wchar_t quote = html_[at_];
    std::size_t start = at_;
    if (quote == L'"' || quote == L'\'') {
        const std::size_t close = std::min(html_.find(quote, ++start), html_.size());  // unclosed: to the end
        at_ = std::min(close + 1, html_.size());
        return DecodeCharacterReferences(html_.substr(start, close - start));
    }
    while (at_ < html_.size() && !IsSpace(html_[at_]) && html_[at_] != L'>') ++at_;
    return DecodeCharacterReferences(html_.substr(start, at_ - start));
}

void HtmlTokenizer::SkipSpaces() {
    while (at_ < html_.size() && IsSpace(html_[at_])) ++at_;
}

void HtmlTokenizer::SkipPast(std::wstring_view terminator) {
    const std::size_t found = html_.find(terminator, at_);
    at_ = found == std::wstring_view::npos ? html_.size() : found + terminator.size();
}

void HtmlTokenizer::SkipRawText(std::wstring_view tagName) {
    for (std::size_t at = html_.find(L"</", at_); at != std::wstring_view::npos; at = html_.find(L"</", at + 2)) {
        const std::size_t nameEnd = at + 2 + tagName.size();
        if (nameEnd > html_.size() || !EqualsIgnoringCase(html_.substr(at + 2, tagName.size()), tagName)) continue;
        if (nameEnd < html_.size() && !IsSpace(html_[nameEnd]) && html_[nameEnd] != L'>' && html_[nameEnd] != L'/')
            continue;
        at_ = at;  // the end tag itself is read next
        return;
    }
    at_ = html_.size();
}

}  // namespace zarvanta
