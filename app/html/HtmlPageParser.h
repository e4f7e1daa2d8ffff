#pragma once
#include <string_view>

#include "HtmlPage.h"

// Reads HTML text as browsers do for the simple view: headings, paragraphs and line breaks kept, other markup
// dropped, character references decoded, the reading direction taken from `dir` attributes. Any text is
// accepted: broken markup gives what can be read of it.
namespace zarvanta {

HtmlPage ParseHtmlPage(std::wstring_view html);

}  // namespace zarvanta
