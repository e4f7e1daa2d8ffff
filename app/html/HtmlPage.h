#pragma once
#include <string>
#include <vector>

// A page reduced to what the built-in view shows: headings and paragraphs of plain text.
namespace zarvanta {

enum class BlockAlignment { Natural, Center };

struct PageBlock {
    int headingLevel = 0;  // 1 to 6 for h1..h6; 0 for a paragraph
    std::wstring text;     // whitespace collapsed; '\n' where the page breaks a line
    bool rightToLeft = false;
    BlockAlignment alignment = BlockAlignment::Natural;
};

struct HtmlPage {
    std::vector<PageBlock> blocks;
    bool rightToLeft = false;  // the direction of <html> or <body>
};

}  // namespace zarvanta
