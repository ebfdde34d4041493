// Value types shared by the extended page control and its owned settings.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <functional>

class QPainter;
class TExtPageControl;

enum TExtTabPosition { tabPosLeft = 0, tabPosRight = 1, tabPosTop = 2, tabPosBottom = 3 };
enum TExtTabStyle { tabStDefault = 0, tabStButton = 1 };
enum TExtGlyphPosition { glPosLeft = 0, glPosTop = 1 };
enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// The owner-draw state of a tab, a set of these bits.
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = 0x0001;
constexpr TOwnerDrawState odDisabled = 0x0004;
constexpr TOwnerDrawState odFocused = 0x0010;

// The no-colour value: an invalid colour. A hot-tracking colour of clNone
// turns hot tracking off for that kind of tab.
inline const QColor clNone{};

// A tab font: the typeface and the colour its text is drawn in.
struct TExtTabFont {
  QFont Font;
  QColor Color;
  bool operator==(const TExtTabFont&) const = default;
};

// Draws a tab's contents instead of the built-in drawing. The painter is the
// control's Canvas(), already set up with the tab's brush, font and pen.
using TExtNbDrawTabEvent =
    std::function<void(TExtPageControl* Control, int Index, bool ActiveTab, const QRect& RectFg,
                       const QRect& RectBg, TOwnerDrawState State)>;
// Called after the page area has been filled; CurrPage is the selected page.
using TExtDrawBkgndInside =
    std::function<void(TExtPageControl* Control, QPainter* DC, int CurrPage, const QRect& RectBg)>;
// Called after the area outside pages and tabs has been filled.
using TExtDrawBkgndOutside =
    std::function<void(TExtPageControl* Control, QPainter* DC, const QRegion& RgnBg)>;
