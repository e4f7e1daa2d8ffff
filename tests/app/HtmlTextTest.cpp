// The built-in page view's reading of HTML: character references, character sets, blocks and lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/HtmlEntities.h"
#include "html/HtmlPageParser.h"
#include "html/LineBreaker.h"
#include "html/PageCharset.h"
#include "html/PageFile.h"

using zarvanta::BlockAlignment;
using zarvanta::HtmlPage;
using zarvanta::PageBlock;

namespace {

struct ReferenceCase {
    const wchar_t* text;
    const wchar_t* decoded;
};

TEST(HtmlEntities, DecodesReferencesAndKeepsWhatIsNoReference) {
    const ReferenceCase cases[] = {
        {L"a &amp; b", L"a & b"},
        {L"&lt;p&gt;", L"<p>"},
        {L"&#1604;&#x644;&#X644;", L"\u0644\u0644\u0644"},
        {L"&#x1F600;", L"\U0001F600"},
        {L"&#0;|&#xD800;|&#99999999999999999999;|&#x110000;", L"\uFFFD|\uFFFD|\uFFFD|\uFFFD"},
        {L"\u0645\u06CC&zwnj;\u062E\u0648\u0627\u0647\u0645", L"\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645"},
        {L"&nbsp|&copy;|&amp", L"\u00A0|\u00A9|&"},   // the old names need no ';'
        {L"&hellip|&hellip;", L"&hellip|\u2026"},       // the others do
        {L"&unknown; & &; &#; &#x; &#xZ;", L"&unknown; & &; &#; &#x; &#xZ;"},
        {L"&#65&#66;", L"AB"},
        {L"&", L"&"},
    };
    for (const ReferenceCase& c : cases) EXPECT_EQ(zarvanta::DecodeCharacterReferences(c.text), c.decoded) << c.text;
}

struct CharsetCase {
    const char* name;
    std::string bytes;
    unsigned codePage;
    std::size_t byteOrderMark;
};

TEST(PageCharset, FollowsTheByteOrderMarkOrTheMetaTag) {
    const CharsetCase cases[] = {
        {"meta charset", "<html><head><meta charset=\"utf-8\"></head>", 65001, 0},
        {"http-equiv", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1256\">", 1256, 0},
        {"quoted, blanks", "<meta charset = 'UTF-8' />", 65001, 0},
        {"unquoted", "<meta charset=windows-1256>", 1256, 0},
        {"iso arabic", "<meta charset=\"iso-8859-6\">", 28596, 0},
        {"utf-16 stated in ASCII", "<meta charset=\"utf-16\">", 65001, 0},
        {"unknown label", "<meta charset=\"klingon\">", 0, 0},
        {"none", "<html><body>charset=utf-8</body></html>", 0, 0},
        {"UTF-8 mark", "\xEF\xBB\xBF<meta charset=windows-1256>", 65001, 3},
        {"UTF-16 mark", "\xFF\xFE<\0", 1200, 2},
        {"UTF-16 big-endian mark", "\xFE\xFF\0<", 1201, 2},
        {"meta too far in", std::string(70000, ' ') + "<meta charset=windows-1256>", 0, 0},
        {"unclosed meta", "<meta charset=windows-1256", 1256, 0},
    };
    for (const CharsetCase& c : cases) {
        const zarvanta::PageCharset charset = zarvanta::SniffPageCharset(c.bytes);
        EXPECT_EQ(charset.codePage, c.codePage) << c.name;
        EXPECT_EQ(charset.byteOrderMarkLength, c.byteOrderMark) << c.name;
    }
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::wstring text;
};

TEST(PageFile, DecodesInTheStatedOrLikelyCharset) {
    const std::string salamUtf8 = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85";
    const std::string salam1256 = "\xD3\xE1\xC7\xE3";
    const std::wstring salam = L"\u0633\u0644\u0627\u0645";
    const DecodeCase cases[] = {
        {"UTF-8 stated", "<meta charset=utf-8>" + salamUtf8, L"<meta charset=utf-8>" + salam},
        {"1256 stated", "<meta charset=windows-1256>" + salam1256, L"<meta charset=windows-1256>" + salam},
        {"UTF-8 unstated", salamUtf8, salam},
        {"not UTF-8, unstated: the system code page", salam1256, salam},
        {"malformed UTF-8 stated", "<meta charset=utf-8>\xD8\xB3\xFF\xD9\x84",
         L"<meta charset=utf-8>\u0633\uFFFD\u0644"},
        {"truncated UTF-8 stated", "<meta charset=utf-8>\xD8", L"<meta charset=utf-8>\uFFFD"},
        {"UTF-8 mark", "\xEF\xBB\xBF" + salamUtf8, salam},
        {"UTF-16 mark", std::string("\xFF\xFE\x33\x06\x44\x06", 6), L"\u0633\u0644"},
        {"empty", "", L""},
    };
    for (const DecodeCase& c : cases) EXPECT_EQ(zarvanta::DecodePageBytes(c.bytes), c.text) << c.name;
}

struct ParseCase {
    const char* name;
    const wchar_t* html;
    std::vector<PageBlock> blocks;
};

std::string Describe(const std::vector<PageBlock>& blocks) {
    std::string out;
    for (const PageBlock& block : blocks) {
        out += "[h" + std::to_string(block.headingLevel) + (block.rightToLeft ? " rtl" : " ltr") +
               (block.alignment == BlockAlignment::Center ? " center " : " ");
        for (wchar_t c : block.text) out += c < 128 ? std::string(1, static_cast<char>(c)) : "\\u" + std::to_string(c);
        out += "]";
    }
    return out;
}

constexpr auto kNatural = BlockAlignment::Natural;
constexpr auto kCenter = BlockAlignment::Center;

TEST(HtmlPageParser, KeepsHeadingsParagraphsAndLineBreaks) {
    const ParseCase cases[] = {
        {"Persian page",
         L"<html dir=\"rtl\"><head><title>\u0639\u0646\u0648\u0627\u0646</title></head><body>"
         L"<h1>\u0633\u0644\u0627\u0645</h1><p>\u06CC\u06A9 &amp; \u062F\u0648</p>"
         L"<p>\u0633\u0647&nbsp;\u0686\u0647\u0627\u0631</p>"
         L"</body></html>",
         {{1, L"\u0633\u0644\u0627\u0645", true, kNatural},
          {0, L"\u06CC\u06A9 & \u062F\u0648", true, kNatural},
          {0, L"\u0633\u0647\u00A0\u0686\u0647\u0627\u0631", true, kNatural}}},
        {"blanks collapse", L"<p>  a \n\t b  </p>\n\n<p>\r\nc</p>",
         {{0, L"a b", false, kNatural}, {0, L"c", false, kNatural}}},
        {"line breaks", L"<p>a <br> b<BR/>c<br></p><p><br></p>",
         {{0, L"a\nb\nc", false, kNatural}, {0, L"\n", false, kNatural}}},
        {"inline markup joins", L"<p>a<b>b</b> <i>c</i>d</p>", {{0, L"ab cd", false, kNatural}}},
        {"hidden content", L"<title>T</title><script>if (a<b) x='</p>';</script><style>p{}</style><!-- c <p>x</p> -->"
                           L"<p>y</p><SCRIPT type=x>z</SCRIPT >",
         {{0, L"y", false, kNatural}}},
        {"text without markup", L"just text", {{0, L"just text", false, kNatural}}},
        {"headings of every level", L"<h2>a</h2>b<h6>c</h6>",
         {{2, L"a", false, kNatural}, {0, L"b", false, kNatural}, {6, L"c", false, kNatural}}},
        {"direction inherited and nested", L"<body dir=RTL><p>a</p><div dir=\"ltr\"><p>b</p></div><p>c</p></body>",
         {{0, L"a", true, kNatural}, {0, L"b", false, kNatural}, {0, L"c", true, kNatural}}},
        {"centred", L"<p align=center>a</p><p style=\"color: red; text-align: center\">b</p><center>c</center><p>d</p>",
         {{0, L"a", false, kCenter}, {0, L"b", false, kCenter}, {0, L"c", false, kCenter}, {0, L"d", false, kNatural}}},
        {"preformatted", L"<pre>a  b\r\n\tc</pre>", {{0, L"a  b\n c", false, kNatural}}},
        {"table cells", L"<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>",
         {{0, L"a b", false, kNatural}, {0, L"c", false, kNatural}}},
        {"stray angle brackets", L"a < b <3 </ > c", {{0, L"a < b <3 c", false, kNatural}}},
        {"tag left open", L"<p>a</p><p>b<a href=\"x", {{0, L"a", false, kNatural}, {0, L"b", false, kNatural}}},
        {"comment left open", L"<p>a</p><!-- b", {{0, L"a", false, kNatural}}},
        {"script left open", L"<p>a</p><script>b", {{0, L"a", false, kNatural}}},
        {"end tags that close nothing", L"</div></p></b><p dir=rtl>a</span></p>", {{0, L"a", true, kNatural}}},
        {"empty", L"", {}},
    };
    for (const ParseCase& c : cases) {
        const HtmlPage page = zarvanta::ParseHtmlPage(c.html);
        EXPECT_EQ(Describe(page.blocks), Describe(c.blocks)) << c.name;
    }
}

TEST(HtmlPageParser, PageDirectionComesFromHtmlOrBody) {
    EXPECT_TRUE(zarvanta::ParseHtmlPage(L"<html dir=\"rtl\"><p>a</p>").rightToLeft);
    EXPECT_TRUE(zarvanta::ParseHtmlPage(L"<body dir=\"rtl\">a").rightToLeft);
    EXPECT_FALSE(zarvanta::ParseHtmlPage(L"<p dir=\"rtl\">a</p>").rightToLeft);
    EXPECT_FALSE(zarvanta::ParseHtmlPage(L"<html><p>a</p>").rightToLeft);
}

TEST(HtmlPageParser, DeepNestingAndManyTagsStayLinear) {
    std::wstring html;
    for (int i = 0; i < 200000; ++i) html += L"<div dir=rtl><span>";
    for (int i = 0; i < 200000; ++i) html += L"</i>";
    html += L"x";
    const HtmlPage page = zarvanta::ParseHtmlPage(html);
    ASSERT_EQ(page.blocks.size(), 1u);
    EXPECT_TRUE(page.blocks[0].rightToLeft);
}

struct BreakCase {
    const char* name;
    const wchar_t* text;
    int width;
    std::vector<std::wstring> lines;
};

// Every character is 10 wide, a blank 5 and a mark 0.
int FixedWidth(wchar_t c) {
    if (c == L' ') return 5;
    if (c == 0x064E || (c >= 0xDC00 && c <= 0xDFFF)) return 0;
    return 10;
}

std::vector<std::wstring> LinesOf(const wchar_t* text, int width) {
    std::vector<std::wstring> lines;
    const std::wstring_view view(text);
    for (const zarvanta::LineSpan& span : zarvanta::BreakLines(view, width, FixedWidth))
        lines.emplace_back(view.substr(span.start, span.length));
    return lines;
}

TEST(LineBreaker, BreaksAtBlanksThenInsideWordsAndAtNewLines) {
    const BreakCase cases[] = {
        {"fits", L"aaa bbb", 100, {L"aaa bbb"}},
        {"at the last blank", L"aaa bbb ccc", 75, {L"aaa bbb", L"ccc"}},
        {"blanks at a wrap dropped", L"aaa    bbb", 40, {L"aaa", L"bbb"}},
        {"word wider than the line", L"aaaaaaaaaa", 35, {L"aaa", L"aaa", L"aaa", L"a"}},
        {"new lines kept, empty lines too", L"a\n\nb", 100, {L"a", L"", L"b"}},
        {"a mark stays with its letter", L"ab\u064Ecd", 20, {L"ab\u064E", L"cd"}},
        {"a surrogate pair stays whole", L"a\U0001F600b", 10, {L"a", L"\U0001F600", L"b"}},
        {"no width at all", L"abc", 0, {L"a", L"b", L"c"}},
        {"empty", L"", 100, {}},
    };
    for (const BreakCase& c : cases) EXPECT_EQ(LinesOf(c.text, c.width), c.lines) << c.name;
}

TEST(LineBreaker, TextThatMeasuresNothingStillEndsLines) {
    const std::wstring marks(10000, L'\u064E');
    const auto spans = zarvanta::BreakLines(marks, 100, FixedWidth);
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_EQ(spans[0].length, 4096u);
}

}  // namespace
