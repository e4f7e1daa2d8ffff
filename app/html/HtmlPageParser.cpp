#include "HtmlPageParser.h"

#include <algorithm>
#include <map>
#include <optional>

#include "HtmlTokenizer.h"

namespace zarvanta {
namespace {

using Kind = HtmlToken::Kind;

bool IsOneOf(std::wstring_view name, std::initializer_list<std::wstring_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements that begin and end a block of text.
bool IsBlockElement(std::wstring_view name) {
    return IsOneOf(name, {L"address", L"article", L"aside", L"blockquote", L"body", L"caption", L"center", L"dd",
                          L"details", L"div", L"dl", L"dt", L"fieldset", L"figcaption", L"figure", L"footer",
                          L"form", L"h1", L"h2", L"h3", L"h4", L"h5", L"h6", L"header", L"hr", L"html", L"legend",
                          L"li", L"main", L"menu", L"nav", L"ol", L"p", L"pre", L"section", L"summary", L"table",
                          L"tbody", L"tfoot", L"thead", L"tr", L"ul"});
}

// Elements whose content is never shown.
bool IsHiddenElement(std::wstring_view name) {
    return IsOneOf(name, {L"script", L"style", L"title", L"template", L"noframes"});
}

bool IsVoidElement(std::wstring_view name) {
    return IsOneOf(name, {L"area", L"base", L"br", L"col", L"embed", L"hr", L"img", L"input", L"link", L"meta",
                          L"param", L"source", L"track", L"wbr"});
}

int HeadingLevel(std::wstring_view name) {
    return name.size() == 2 && name[0] == L'h' && name[1] >= L'1' && name[1] <= L'6' ? name[1] - L'0' : 0;
}

bool IsCollapsibleSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f'; }

std::wstring Lower(std::wstring text) {
    for (auto& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

std::optional<bool> RightToLeftOf(const HtmlToken& tag) {
    const std::wstring* dir = tag.Attribute(L"dir");
    if (!dir) return std::nullopt;
    const std::wstring value = Lower(*dir);
    if (value == L"rtl") return true;
    if (value == L"ltr") return false;
    return std::nullopt;
}

std::optional<bool> CenteredOf(const HtmlToken& tag) {
    if (tag.text == L"center") return true;
    if (const std::wstring* align = tag.Attribute(L"align")) return Lower(*align) == L"center";
    if (const std::wstring* style = tag.Attribute(L"style")) {
        const std::wstring value = Lower(*style);
        const std::size_t property = value.find(L"text-align");
        if (property != std::wstring::npos) return value.find(L"center", property) != std::wstring::npos;
    }
    return std::nullopt;
}

// An open element that set the direction or alignment of what it holds, with the values in force inside it.
struct OpenContext {
    std::wstring name;
    bool rightToLeft = false;
    bool centered = false;
};

class PageBuilder {
public:
    HtmlPage Build(std::wstring_view html);

private:
    void OnStartTag(const HtmlToken& tag);
    void OnEndTag(const HtmlToken& tag);
    void AppendText(std::wstring_view text);
    void AppendCharacter(wchar_t c);
    void AppendLineBreak();
    void BeginBlockIfEmpty();
    void EndBlock();
    void OpenContextOf(const HtmlToken& tag, std::optional<bool> rightToLeft, std::optional<bool> centered);
    void CloseContextOf(const std::wstring& name);
    OpenContext Current() const { return contexts_.empty() ? OpenContext() : contexts_.back(); }

    HtmlPage page_;
    PageBlock block_;
    bool blockStarted_ = false;
    bool pendingSpace_ = false;
    int heading_ = 0;
    int preformatted_ = 0;
    std::vector<OpenContext> contexts_;
    std::map<std::wstring, int> openByName_;  // spares a search of the stack for end tags that match nothing
};

HtmlPage PageBuilder::Build(std::wstring_view html) {
    HtmlTokenizer tokenizer(html);
    HtmlToken token;
    while (tokenizer.Next(token)) {
        switch (token.kind) {
        case Kind::Text: AppendText(token.text); break;
        case Kind::StartTag:
            OnStartTag(token);
            if (IsHiddenElement(token.text)) tokenizer.SkipRawText(token.text);
            break;
        case Kind::EndTag: OnEndTag(token); break;
        }
    }
    EndBlock();
    return std::move(page_);
}

void PageBuilder::OnStartTag(const HtmlToken& tag) {
    const std::wstring& name = tag.text;
    if (name == L"br") {
        AppendLineBreak();
        return;
    }
    if (name == L"td" || name == L"th") pendingSpace_ = true;
    if (IsBlockElement(name)) EndBlock();
    if (const int level = HeadingLevel(name)) heading_ = level;
    if (name == L"pre") ++preformatted_;
    const std::optional<bool> rightToLeft = RightToLeftOf(tag);
    if ((name == L"html" || name == L"body") && rightToLeft) page_.rightToLeft = *rightToLeft;
    const std::optional<bool> centered = CenteredOf(tag);
    if (!IsVoidElement(name) && (rightToLeft || centered)) OpenContextOf(tag, rightToLeft, centered);
}

void PageBuilder::OnEndTag(const HtmlToken& tag) {
    const std::wstring& name = tag.text;
    if (name == L"br") {  // "</br>" is read as <br>, as browsers do
        AppendLineBreak();
        return;
    }
    if (name == L"td" || name == L"th") pendingSpace_ = true;
    if (IsBlockElement(name)) EndBlock();
    if (HeadingLevel(name)) heading_ = 0;
    if (name == L"pre" && preformatted_ > 0) --preformatted_;
    CloseContextOf(name);
}

void PageBuilder::OpenContextOf(const HtmlToken& tag, std::optional<bool> rightToLeft, std::optional<bool> centered) {
    OpenContext context = Current();
    context.name = tag.text;
    context.rightToLeft = rightToLeft.value_or(context.rightToLeft);
    context.centered = centered.value_or(context.centered);
    ++openByName_[context.name];
    contexts_.push_back(std::move(context));
}

// Closes the latest element of that name and every element opened inside it (each is searched for once).
void PageBuilder::CloseContextOf(const std::wstring& name) {
    const auto count = openByName_.find(name);
    if (count == openByName_.end() || count->second == 0) return;
    while (!contexts_.empty()) {
        const std::wstring closed = std::move(contexts_.back().name);
        contexts_.pop_back();
        --openByName_[closed];
        if (closed == name) return;
    }
}

void PageBuilder::AppendText(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (preformatted_ > 0) {
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
            if (c == L'\n' || c == L'\r') AppendLineBreak();
            else AppendCharacter(c == L'\t' ? L' ' : c);
        } else if (IsCollapsibleSpace(c)) {
            pendingSpace_ = true;
        } else {
            if (pendingSpace_ && !block_.text.empty() && block_.text.back() != L'\n') block_.text.push_back(L' ');
            pendingSpace_ = false;
            AppendCharacter(c);
        }
    }
}

void PageBuilder::AppendCharacter(wchar_t c) {
    BeginBlockIfEmpty();
    block_.text.push_back(c);
}

void PageBuilder::AppendLineBreak() {
    BeginBlockIfEmpty();
    block_.text.push_back(L'\n');
    pendingSpace_ = false;
}

// A block takes its heading level, direction and alignment from where its first character stands.
void PageBuilder::BeginBlockIfEmpty() {
    if (blockStarted_) return;
    blockStarted_ = true;
    block_.headingLevel = heading_;
    const OpenContext context = Current();
    block_.rightToLeft = context.rightToLeft;
    block_.alignment = context.centered ? BlockAlignment::Center : BlockAlignment::Natural;
}

void PageBuilder::EndBlock() {
    pendingSpace_ = false;
    if (!blockStarted_) return;
    std::wstring& text = block_.text;
    while (!text.empty() && text.back() == L' ') text.pop_back();
    if (text.size() > 1 && text.back() == L'\n') text.pop_back();  // a last <br> adds no empty line
    if (!text.empty()) page_.blocks.push_back(std::move(block_));
    block_ = PageBlock();
    blockStarted_ = false;
}

}  // namespace

HtmlPage ParseHtmlPage(std::wstring_view html) { return PageBuilder().Build(html); }

}  // namespace zarvanta
