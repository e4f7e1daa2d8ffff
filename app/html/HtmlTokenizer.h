#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Splits HTML text into text runs and tags in one pass. Comments, doctypes and processing instructions are
// dropped; a tag left open at the end of the text is dropped as browsers do.
namespace zarvanta {

struct HtmlAttribute {
    std::wstring name;   // lower case
    std::wstring value;  // character references decoded
};

struct HtmlToken {
    enum class Kind { Text, StartTag, EndTag };
    Kind kind = Kind::Text;
    std::wstring text;  // Text: decoded; tags: the name in lower case
    std::vector<HtmlAttribute> attributes;

    const std::wstring* Attribute(std::wstring_view name) const;
};

class HtmlTokenizer {
public:
    explicit HtmlTokenizer(std::wstring_view html) : html_(html) {}

    // The next token; false at the end of the text.
    bool Next(HtmlToken& token);
    // Moves past the end tag of an element whose content is not markup (script, style); to the end if none.
    void SkipRawText(std::wstring_view tagName);

private:
    bool StartsTag(std::size_t at) const;
    void ReadText(HtmlToken& token);
    bool ReadTag(HtmlToken& token);
    void ReadAttributes(HtmlToken& token);
    std::wstring ReadName();
    std::wstring ReadAttributeValue();
    void SkipSpaces();
    void SkipPast(std::wstring_view terminator);

    std::wstring_view html_;
    std::size_t at_ = 0;
};

}  // namespace zarvanta
