#include "LineBreaker.h"

namespace zarvanta {
namespace {

// Characters that stay with the one before them: the second half of a surrogate pair, combining marks
// (Arabic vowel signs among them) and joiners.
bool CannotStartLine(wchar_t c) {
    return (c >= 0xDC00 && c <= 0xDFFF) || (c >= 0x0300 && c <= 0x036F) || (c >= 0x064B && c <= 0x065F) ||
           c == 0x0670 || (c >= 0x06D6 && c <= 0x06ED) || c == 0x200C || c == 0x200D;
}

// Text that measures nothing (a run of marks) still ends a line somewhere, so drawing a line stays cheap.
constexpr std::size_t kLongestLine = 4096;

bool IsBreakingSpace(wchar_t c) { return c == L' ' || c == 0x200B; }

class LineBuilder {
public:
    LineBuilder(std::wstring_view text, int maxWidth, const CharacterWidth& widthOf)
        : text_(text), maxWidth_(maxWidth), widthOf_(widthOf) {}

    std::vector<LineSpan> Build() {
        std::size_t i = 0;
        while (i < text_.size()) i = Step(i);
        if (lineOpen_) EndLineAt(text_.size());
        return std::move(lines_);
    }

private:
    // Takes text_[i] into the current line; returns the next index to look at.
    std::size_t Step(std::size_t i) {
        const wchar_t c = text_[i];
        if (c == L'\n') {
            EndLineAt(i);
            return i + 1;
        }
        if (!lineOpen_) {
            if (IsBreakingSpace(c) && afterSoftBreak_) return i + 1;  // a wrapped line starts at its first word
            OpenLineAt(i);
        }
        const int width = widthOf_(c);
        if (IsBreakingSpace(c)) {
            lastSpace_ = i;
        } else if (i > lineStart_ && (i - lineStart_ >= kLongestLine ||
                                      (lineWidth_ + width > maxWidth_ && !CannotStartLine(c)))) {
            return Wrap(i);
        }
        lineWidth_ += width;
        return i + 1;
    }

    // The line is full at text_[i]: it ends at its last blank or, in a word wider than the line, before i.
    std::size_t Wrap(std::size_t i) {
        const bool atBlank = lastSpace_ != kNone && lastSpace_ > lineStart_;
        const std::size_t end = atBlank ? lastSpace_ : i;
        const std::size_t next = atBlank ? lastSpace_ + 1 : i;
        EndLineAt(end);
        afterSoftBreak_ = true;
        return next;
    }

    void OpenLineAt(std::size_t i) {
        lineOpen_ = true;
        lineStart_ = i;
        lineWidth_ = 0;
        lastSpace_ = kNone;
    }

    void EndLineAt(std::size_t end) {
        const std::size_t start = lineOpen_ ? lineStart_ : end;
        std::size_t trimmed = end;
        while (trimmed > start && IsBreakingSpace(text_[trimmed - 1])) --trimmed;
        lines_.push_back({start, trimmed - start});
        lineOpen_ = false;
        afterSoftBreak_ = false;
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::wstring_view text_;
    int maxWidth_;
    const CharacterWidth& widthOf_;
    std::vector<LineSpan> lines_;
    bool lineOpen_ = false;
    bool afterSoftBreak_ = false;
    std::size_t lineStart_ = 0;
    std::size_t lastSpace_ = kNone;
    int lineWidth_ = 0;
};

}  // namespace

std::vector<LineSpan> BreakLines(std::wstring_view text, int maxWidth, const CharacterWidth& widthOf) {
    return LineBuilder(text, maxWidth, widthOf).Build();
}

}  // namespace zarvanta
