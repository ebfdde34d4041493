// The addresses and wordings that the About and Web Resources windows show,
// kept together so that they are changed in one place.
#pragma once

#include <QString>
#include <array>

// One entry of the developer-resources page: its icon, title and address.
struct TWebEntry {
  const char* Icon;  // resource path of a 16 x 16 picture
  const char* Title;
  const char* Address;
};

namespace WebLinks {

// A wording of these in the user's language; addresses and titles are shown
// as they are.
QString Shown(const char* Wording);

extern const char* const ProductAddress;
extern const char* const MakerAddress;
extern const char* const OtherProductAddress;
extern const char* const ReportAddress;

extern const char* const OwnershipNotice;
extern const std::array<const char*, 3> TrademarkNotices;
extern const char* const VisitText;
extern const char* const ReportRequest;  // ReportAddress follows it
extern const char* const MakerSentence;
extern const char* const OtherProductParagraph;

extern const std::array<TWebEntry, 5> DeveloperEntries;

}  // namespace WebLinks
