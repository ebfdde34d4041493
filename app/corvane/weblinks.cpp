#include "app/corvane/weblinks.h"

#include <QCoreApplication>

namespace WebLinks {

QString Shown(const char* Wording) {
  return QCoreApplication::translate("WebLinks", Wording);
}

// The product and its maker have no pages of their own yet: reserved
// example domains stand in for them, and the report address delivers nowhere.
const char* const ProductAddress = "https://www.example.com/";
const char* const MakerAddress = "https://www.example.org/";
const char* const OtherProductAddress = "https://www.example.net/";
const char* const ReportAddress = "corvane-preview@example.com";

const char* const OwnershipNotice =
    QT_TRANSLATE_NOOP("WebLinks", "Copyright \u00a9 Brantwick Software. All rights reserved.");
const std::array<const char*, 3> TrademarkNotices = {
    QT_TRANSLATE_NOOP("WebLinks", "Corvane is a trademark of Brantwick Software."),
    QT_TRANSLATE_NOOP("WebLinks",
                      "JavaScript is a trademark of its owner in the U.S. and other countries."),
    QT_TRANSLATE_NOOP("WebLinks", "Other names are trademarks of their respective owners."),
};
const char* const VisitText =
    QT_TRANSLATE_NOOP("WebLinks", "Visit the Corvane home page for latest information.");
const char* const ReportRequest = QT_TRANSLATE_NOOP(
    "WebLinks",
    "This is a preview release. Please tell us about anything that goes wrong, and what you "
    "would like Corvane to do better. Send error reports and suggestions to ");
const char* const MakerSentence =
    QT_TRANSLATE_NOOP("WebLinks", "Corvane is designed and developed by Brantwick Software.");
const char* const OtherProductParagraph = QT_TRANSLATE_NOOP(
    "WebLinks",
    "Also from Brantwick Software: Quillmere, a visual editor for JavaScript. Lay out a page's "
    "scripts as blocks, connect their events, and let Quillmere write the code.");

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
