#include "FindCriterion.h"

#include <cwchar>
#include <cwctype>

namespace kx {
namespace {

class Reader {
public:
    explicit Reader(const std::wstring& text) : text_(text) {}
    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == L' ') ++pos_;
    }
    bool AtEnd() const { return pos_ >= text_.size(); }
    wchar_t Peek() const { return AtEnd() ? L'\0' : text_[pos_]; }
    bool Take(wchar_t c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    std::wstring Name() {
        const size_t start = pos_;
        while (!AtEnd() && (std::iswalnum(Peek()) || Peek() == L'_')) ++pos_;
        return text_.substr(start, pos_ - start);
    }
    void Advance(size_t count) { pos_ += count; }
    const wchar_t* Here() const { return text_.c_str() + pos_; }

private:
    const std::wstring& text_;
    size_t pos_ = 0;
};

bool SameWord(const std::wstring& word, const wchar_t* expected) {
    size_t i = 0;
    for (; i < word.size() && expected[i]; ++i)
        if (std::towlower(word[i]) != std::towlower(expected[i])) return false;
    return i == word.size() && !expected[i];
}

bool ReadQuoted(Reader& in, std::wstring& text) {
    while (!in.AtEnd()) {
        const wchar_t c = in.Peek();
        in.Advance(1);
        if (c != L'\'') {
            text += c;
        } else if (in.Take(L'\'')) {
            text += L'\'';
        } else {
            return true;
        }
    }
    return false;  // no closing quote
}

bool ReadDate(Reader& in, FindCriterion& out) {
    unsigned month = 0, day = 0, year = 0;
    int used = 0;
    if (swscanf(in.Here(), L"%2u-%2u-%4u#%n", &month, &day, &year, &used) != 3 || used == 0) return false;
    in.Advance(static_cast<size_t>(used));
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    out.month = static_cast<int>(month);
    out.day = static_cast<int>(day);
    out.year = static_cast<int>(year);
    return true;
}

bool ReadNumber(Reader& in, double& number) {
    const wchar_t* start = in.Here();
    wchar_t* end = nullptr;
    number = wcstod(start, &end);
    if (end == start) return false;
    in.Advance(static_cast<size_t>(end - start));
    return true;
}

bool ReadLiteral(Reader& in, FindCriterion& out) {
    if (in.Take(L'\'')) {
        out.kind = KeyKind::Text;
        return ReadQuoted(in, out.text);
    }
    if (in.Take(L'#')) {
        out.kind = KeyKind::Date;
        return ReadDate(in, out);
    }
    if (std::iswalpha(in.Peek())) {
        const std::wstring word = in.Name();
        out.kind = KeyKind::Boolean;
        if (SameWord(word, L"True")) out.boolean = true;
        else if (SameWord(word, L"False")) out.boolean = false;
        else return false;
        return true;
    }
    out.kind = KeyKind::Number;
    return ReadNumber(in, out.number);
}

}  // namespace

std::optional<FindCriterion> ParseFindCriterion(const std::wstring& criterion) {
    Reader in(criterion);
    FindCriterion out;
    in.SkipBlanks();
    out.field = in.Name();
    in.SkipBlanks();
    if (out.field.empty() || !in.Take(L'=')) return std::nullopt;
    in.SkipBlanks();
    if (!ReadLiteral(in, out)) return std::nullopt;
    in.SkipBlanks();
    if (!in.AtEnd()) return std::nullopt;
    return out;
}

}  // namespace kx
