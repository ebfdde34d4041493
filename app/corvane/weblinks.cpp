#include "app/corvane/weblinks.h"

namespace WebLinks {

// The product and its maker have no pages of their own yet: reserved
// example domains stand in for them, and the report address delivers nowhere.
const char* const ProductAddress = "https://www.example.com/";
const char* const MakerAddress = "https://www.example.org/";
const char* const OtherProductAddress = "https://www.example.net/";
const char* const ReportAddress = "corvane-preview@example.com";

const char* const OwnershipNotice = "Copyright \u00a9 Brantwick Software. All rights reserved.";
const std::array<const char*, 3> TrademarkNotices = {
    "Corvane is a trademark of Brantwick Software.",
    "JavaScript is a trademark of its owner in the U.S. and other countries.",
    "Other names are trademarks of their respective owners.",
};
const char* const VisitText = "Visit the Corvane home page for latest information.";
const char* const ReportRequest =
    "This is a preview release. Please tell us about anything that goes wrong, and what you "
    "would like Corvane to do better. Send error reports and suggestions to ";
const char* const MakerSentence = "Corvane is designed and developed by Brantwick Software.";
const char* const OtherProductParagraph =
    "Also from Brantwick Software: Quillmere, a visual editor for JavaScript. Lay out a page's "
    "scripts as blocks, connect their events, and let Quillmere write the code.";

// The original pages of these titles are long gone; each link leads to the
// living page that serves the same purpose today.
const std::array<TWebEntry, 5> DeveloperEntries = {{
    {":/corvane/web-devsite.png", "DevEdge Online:", "https://developer.mozilla.org/"},
    {":/corvane/web-guide.png", "JavaScript Developer's Guide",
     "https://developer.mozilla.org/en-US/docs/Web/JavaScript/Guide"},
    {":/corvane/web-visualguide.png", "Visual JavaScript Developer's Guide",
     "https://developer.mozilla.org/en-US/docs/Web/API/Web_components"},
    {":/corvane/web-serverguide.png", "LiveWire Developer's Guide ",
     "https://nodejs.org/docs/latest/api/"},
    {":/corvane/web-docs.png", "Netscape Technical Documentation",
     "https://developer.mozilla.org/en-US/docs/Web"},
}};

}  // namespace WebLinks
