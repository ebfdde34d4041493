#include "editor/htmltags.h"

#include <algorithm>
#include <array>

namespace {

// Later entries with a name used before ("Definition", "Bold", "Italic") are
// never found by name; they stay so that the table keeps its order.
constexpr std::array<THTMLTag, 47> Tags{{
    {"Script", "<SCRIPT LANGUAGE=\"JavaScript\">", "</SCRIPT>"},
    {"HTML", "<HTML>", "</HTML>"},
    {"Head", "<HEAD>", "</HEAD>"},
    {"Title", "<TITLE>", "</TITLE>"},
    {"Body", "<BODY>", "</BODY>"},
    {"Form", "<FORM>", "</FORM>"},
    {"Input", "<INPUT >", ""},
    {"Select", "<SELECT >", ""},
    {"Textarea", "<TEXTAREA>", "</TEXTAREA>"},
    {"Heading 1", "<H1>", "</H1>"},
    {"Heading 2", "<H2>", "</H2>"},
    {"Heading 3", "<H3>", "</H3>"},
    {"Heading 4", "<H4>", "</H4>"},
    {"Heading 5", "<H5>", "</H5>"},
    {"Heading 6", "<H6>", "</H6>"},
    {"Horizontal", "<HR>", ""},
    {"Paragraph", "<P>", "</P>"},
    {"Preformatted", "<PRE>", "</PRE>"},
    {"Block Quote", "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
    {"Numbered List", "<OL>", "</OL>"},
    {"Bulleted List", "<UL>", "</UL>"},
    {"Definition", "<DL>", "</DL>"},
    {"Directory", "<DIR>", "</DIR>"},
    {"Menu", "<MENU>", "</MENU>"},
    {"Bold", "<STRONG>", "</STRONG>"},
    {"Italic", "<EM>", "</EM>"},
    {"Typewritter", "<TT>", "</TT>"},
    {"Underline", "<U>", "</U>"},
    {"Comment", "<!--", "-->"},
    {"Line Break", "<BR>", ""},
    {"No Break", "<NOBR>", ""},
    {"Tab", "<TAB>", ""},
    {"Word Break", "<WOBR>", ""},
    {"Address", "<ADDRESS>", "</ADDRESS>"},
    {"Align Center", "<CENTER>", "</CENTER>"},
    {"Align Left", "<P ALIGN=LEFT>", "</P>"},
    {"Align Right", "<P ALIGN=RIGHT>", "</P>"},
    {"Citation", "<CITE>", "</CITE>"},
    {"Sample", "<SAMP>", "</SAMP>"},
    {"Definition", "<DFN>", "</DFN>"},
    {"Blink", "<BLINK>", "</BLINK>"},
    {"Code", "<CODE>", "</CODE>"},
    {"Variable", "<VAR>", "</VAR>"},
    {"Strikethrough", "<STRIKE>", "</STRIKE>"},
    {"Bold", "<B>", "</B>"},
    {"Italic", "<I>", "</I>"},
    {"Keyboard", "<KBD>", "</KBD>"},
}};

}  // namespace

std::span<const THTMLTag> HTMLTags() {
  return Tags;
}

const THTMLTag* FindHTMLTag(std::string_view Name) {
  const auto* Found =
      std::find_if(Tags.begin(), Tags.end(), [&](const THTMLTag& T) { return T.Name == Name; });
  return Found == Tags.end() ? nullptr : Found;
}
