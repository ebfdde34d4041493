// Draws Corvane's artwork: the 41-image strip of tree and list images, the
// splash picture, the tool-button glyphs, the two tab glyphs, and the logos and
// link icons of the About and Web Resources windows into the first folder;
// the strip and the glyphs also at twice the size, for screens scaled by two.
// The desktop icons of the program and of JSB documents go into the second.
// The files it writes are committed under app/resources and packaging/icons;
// run it again after a change:
//   corvane_artwork RESOURCES_FOLDER ICONS_FOLDER
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>
#include <map>

#include "desktopicons.h"

namespace {

using TDraw = std::function<void(QPainter&)>;

const QColor Olive(128, 128, 0);  // the strip's transparent colour

void Sphere(QPainter& P, QColor C) {
  QRadialGradient G(QPointF(6, 5), 8);
  G.setColorAt(0, C.lighter(170));
  G.setColorAt(1, C.darker(130));
  P.setBrush(G);
  P.setPen(C.darker(180));
  P.drawEllipse(QRectF(2, 2, 12, 12));
}

void Gem(QPainter& P) {
  QPolygonF Outline({{8, 14}, {1, 6}, {4, 2}, {12, 2}, {15, 6}});
  P.setPen(QColor(120, 0, 60));
  P.setBrush(QColor(220, 30, 90));
  P.drawPolygon(Outline);
  P.setBrush(QColor(240, 80, 200));
  P.drawPolygon(QPolygonF({{4, 2}, {12, 2}, {10, 6}, {6, 6}}));
}

void Bolt(QPainter& P, qreal Scale = 1.0) {
  P.save();
  P.scale(Scale, Scale);
  P.setPen(QColor(150, 110, 0));
  P.setBrush(QColor(255, 210, 0));
  P.drawPolygon(QPolygonF({{9, 1}, {3, 9}, {7, 9}, {5, 15}, {13, 6}, {9, 6}, {11, 1}}));
  P.restore();
}

void Cog(QPainter& P) {
  P.setPen(QColor(60, 60, 60));
  P.setBrush(QColor(150, 150, 160));
  for (int I = 0; I < 8; ++I) {
    P.save();
    P.translate(11.5, 11.5);
    P.rotate(45 * I);
    P.drawRect(QRectF(-1, -4.5, 2, 2));
    P.restore();
  }
  P.drawEllipse(QRectF(8.5, 8.5, 6, 6));
  P.setBrush(Qt::white);
  P.drawEllipse(QRectF(10.5, 10.5, 2, 2));
}

void Warning(QPainter& P) {
  P.setPen(QColor(120, 90, 0));
  P.setBrush(QColor(255, 220, 0));
  P.drawPolygon(QPolygonF({{8, 1}, {15, 8}, {8, 15}, {1, 8}}));
  P.setPen(QPen(Qt::black, 2));
  P.drawLine(QPointF(8, 4.5), QPointF(8, 9));
  P.drawPoint(QPointF(8, 11.5));
}

void Connector(QPainter& P) {
  P.setPen(QColor(0, 90, 0));
  P.setBrush(QColor(40, 180, 60));
  P.drawRect(QRectF(1, 5, 7, 6));
  P.drawRect(QRectF(8, 6.5, 3, 3));
  P.setPen(QPen(QColor(0, 120, 0), 1.5));
  P.drawLine(QPointF(11, 7), QPointF(15, 7));
  P.drawLine(QPointF(11, 9.5), QPointF(15, 9.5));
}

void FolderIcon(QPainter& P) {
  P.setPen(QColor(140, 100, 0));
  P.setBrush(QColor(250, 210, 90));
  P.drawPolygon(QPolygonF({{1, 4}, {6, 4}, {7, 5}, {15, 5}, {15, 14}, {1, 14}}));
  P.setBrush(QColor(255, 230, 140));
  P.drawRect(QRectF(1, 7, 14, 7));
}

void Page(QPainter& P) {
  P.setPen(QColor(90, 90, 90));
  P.setBrush(Qt::white);
  P.drawPolygon(QPolygonF({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}));
  P.setPen(QColor(150, 150, 150));
  for (int Y = 6; Y <= 12; Y += 3)
    P.drawLine(5, Y, 11, Y);
}

void Glyph(QPainter& P, const QString& Text, QColor C, int Size = 8) {
  P.setPen(C.darker(160));
  P.setBrush(C.lighter(160));
  P.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
  QFont F("DejaVu Sans", Size, QFont::Bold);
  F.setPixelSize(Size + 1);
  P.setFont(F);
  P.setPen(C.darker(220));
  P.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, Text);
}

std::map<int, TDraw> StripImages() {
  return {
      {0, Page},
      {1,
       [](QPainter& P) {
         Bolt(P, 0.8);
         Cog(P);
       }},
      {4, [](QPainter& P) { Sphere(P, QColor(0, 150, 150)); }},
      {5, Gem},
      {6, [](QPainter& P) { Bolt(P); }},
      {8, [](QPainter& P) { Glyph(P, "f()", QColor(60, 90, 200), 7); }},
      {11, Warning},
      {21, [](QPainter& P) { Glyph(P, "?:", QColor(200, 120, 40)); }},
      {22, Connector},
      {23, [](QPainter& P) { Glyph(P, "{ }", QColor(130, 80, 180), 7); }},
      {24, [](QPainter& P) { Glyph(P, "//", QColor(120, 120, 120)); }},
      {25, [](QPainter& P) { Glyph(P, "+-", QColor(60, 140, 200)); }},
      {26, [](QPainter& P) { Glyph(P, "x/", QColor(40, 160, 120)); }},
      {27, [](QPainter& P) { Glyph(P, "&|", QColor(200, 70, 70)); }},
      {28, [](QPainter& P) { Glyph(P, "<>", QColor(180, 150, 30)); }},
      {39, FolderIcon},
  };
}

// Images that no part of the program names are plain spheres of other
// colours, so that the strip is complete and every index shows something.
QImage Strip(int Scale) {
  QImage Strip(41 * 16 * Scale, 16 * Scale, QImage::Format_RGB32);
  Strip.fill(Olive);
  const auto Images = StripImages();
  for (int I = 0; I < 41; ++I) {
    QPainter P(&Strip);
    P.setRenderHint(QPainter::Antialiasing);
    P.scale(Scale, Scale);
    P.translate(16 * I, 0);
    P.setClipRect(0, 0, 16, 16);
    const auto Found = Images.find(I);
    if (Found != Images.end())
      Found->second(P);
    else
      Sphere(P, QColor::fromHsv((I * 37) % 360, 120, 200));
  }
  return Strip;
}

void DrawStrip(const QString& Folder) {
  Strip(1).save(Folder + "/infoview.png");
  Strip(2).save(Folder + "/infoview@2x.png");
}

void DrawSplash(const QString& Folder) {
  QImage Splash(360, 276, QImage::Format_RGB32);
  QPainter P(&Splash);
  P.setRenderHint(QPainter::Antialiasing);
  QLinearGradient Sky(0, 0, 0, 276);
  Sky.setColorAt(0, QColor(10, 60, 90));
  Sky.setColorAt(1, QColor(0, 130, 130));
  P.fillRect(Splash.rect(), Sky);
  P.translate(250, 120);
  P.scale(5, 5);
  Sphere(P, QColor(0, 170, 170));
  P.resetTransform();
  P.setPen(Qt::white);
  QFont Title("DejaVu Serif", 30, QFont::Bold);
  P.setFont(Title);
  P.drawText(QRect(24, 60, 300, 50), Qt::AlignLeft, "Corvane");
  QFont Sub("DejaVu Sans", 10);
  P.setFont(Sub);
  P.drawText(QRect(26, 112, 300, 20), Qt::AlignLeft, "JavaScript BeanInfo editor");
  P.drawText(QRect(26, 240, 300, 20), Qt::AlignLeft, "Brantwick Software");
  Splash.save(Folder + "/splash.png");
}

QImage Button(const TDraw& Draw, int Size = 24) {
  QImage Img(Size, Size, QImage::Format_ARGB32);
  Img.fill(Qt::transparent);
  QPainter P(&Img);
  P.setRenderHint(QPainter::Antialiasing);
  P.scale(Size / 16.0, Size / 16.0);
  Draw(P);
  return Img;
}

void DrawButtons(const QString& Folder) {
  const std::map<QString, TDraw> Buttons = {
      {"new", Page},
      {"open", FolderIcon},
      {"save",
       [](QPainter& P) {
         P.setPen(QColor(30, 30, 80));
         P.setBrush(QColor(70, 90, 170));
         P.drawRect(QRectF(2, 2, 12, 12));
         P.setBrush(Qt::white);
         P.drawRect(QRectF(4, 2, 8, 5));
       }},
      {"property", Gem},
      {"event", Warning},
      {"method", [](QPainter& P) { Bolt(P); }},
      {"parameter",
       [](QPainter& P) {
         Bolt(P, 0.8);
         Cog(P);
       }},
      {"interface", Connector},
      {"cut", [](QPainter& P) { Glyph(P, "X", QColor(200, 60, 60)); }},
      {"copy",
       [](QPainter& P) {
         Page(P);
         P.translate(-2, -1);
         Page(P);
       }},
      {"paste", [](QPainter& P) { Glyph(P, "P", QColor(160, 120, 60)); }},
      {"find",
       [](QPainter& P) {
         P.setPen(QPen(QColor(40, 40, 40), 2));
         P.setBrush(QColor(200, 230, 255));
         P.drawEllipse(QRectF(2, 2, 8, 8));
         P.drawLine(QPointF(9, 9), QPointF(14, 14));
       }},
      {"tab-component", [](QPainter& P) { Sphere(P, QColor(0, 150, 150)); }},
      {"tab-source", [](QPainter& P) { Glyph(P, "{}", QColor(60, 90, 200)); }},
  };
  for (const auto& [Name, Draw] : Buttons) {
    Button(Draw).save(Folder + "/" + Name + ".png");
    if (!Name.startsWith("tab-")) Button(Draw, 48).save(Folder + "/" + Name + "@2x.png");
  }
}

// The page control takes one strip with a glyph per page.
void DrawTabGlyphs(const QString& Folder) {
  QImage Strip(32, 16, QImage::Format_RGB32);
  Strip.fill(Olive);
  QPainter P(&Strip);
  P.setRenderHint(QPainter::Antialiasing);
  Sphere(P, QColor(0, 150, 150));
  P.translate(16, 0);
  Glyph(P, "{}", QColor(60, 90, 200));
  P.end();
  Strip.save(Folder + "/tabglyphs.png");
}

// A logo of 130 x 46 on a transparent ground: a mark on the left, then a
// name and a line of small print.
void Logo(const QString& Path, const TDraw& Mark, const QString& Name, const QString& Line,
          QColor C) {
  QImage Img(130, 46, QImage::Format_ARGB32);
  Img.fill(Qt::transparent);
  QPainter P(&Img);
  P.setRenderHint(QPainter::Antialiasing);
  P.setRenderHint(QPainter::TextAntialiasing);
  P.save();
  P.translate(3, 4);
  P.scale(2.4, 2.4);
  Mark(P);
  P.restore();
  QFont Title("DejaVu Serif", 10, QFont::Bold);
  Title.setPixelSize(14);
  P.setFont(Title);
  P.setPen(C);
  P.drawText(QRect(44, 5, 86, 20), Qt::AlignLeft | Qt::AlignVCenter, Name);
  QFont Small("DejaVu Sans", 6);
  Small.setPixelSize(8);
  P.setFont(Small);
  P.setPen(QColor(90, 90, 90));
  P.drawText(QRect(45, 25, 85, 14), Qt::AlignLeft | Qt::AlignVCenter, Line);
  P.end();
  Img.save(Path);
}

void Monogram(QPainter& P) {
  P.setPen(QColor(20, 30, 80));
  P.setBrush(QColor(40, 60, 140));
  P.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
  QFont F("DejaVu Serif", 8, QFont::Bold);
  F.setPixelSize(12);
  P.setFont(F);
  P.setPen(QColor(240, 200, 80));
  P.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "B");
}

void Quill(QPainter& P) {
  QPainterPath Vane(QPointF(2, 15));
  Vane.cubicTo(QPointF(4, 6), QPointF(9, 2), QPointF(15, 1));
  Vane.cubicTo(QPointF(13, 7), QPointF(9, 12), QPointF(4, 13));
  Vane.closeSubpath();
  P.setPen(QColor(90, 40, 110));
  P.setBrush(QColor(170, 110, 200));
  P.drawPath(Vane);
  P.setPen(QPen(QColor(60, 20, 80), 0.8));
  P.drawLine(QPointF(2, 15), QPointF(12, 4));
}

void DrawLogos(const QString& Folder) {
  Logo(
      Folder + "/logo-corvane.png", [](QPainter& P) { Sphere(P, QColor(0, 150, 150)); }, "Corvane",
      "BeanInfo editor", QColor(0, 90, 100));
  Logo(Folder + "/logo-brantwick.png", Monogram, "Brantwick", "S O F T W A R E",
       QColor(40, 60, 140));
  Logo(Folder + "/logo-quillmere.png", Quill, "Quillmere", "visual script editor",
       QColor(90, 40, 110));
}

void Globe(QPainter& P) {
  P.setPen(QColor(20, 70, 140));
  P.setBrush(QColor(120, 180, 240));
  P.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  P.setBrush(Qt::NoBrush);
  P.drawEllipse(QRectF(5, 1.5, 6, 13));
  P.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
  P.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
  P.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
}

void Book(QPainter& P, QColor Cover) {
  P.setPen(Cover.darker(180));
  P.setBrush(Qt::white);
  P.drawRect(QRectF(4, 2, 10, 13));
  P.setBrush(Cover);
  P.drawRect(QRectF(2, 1, 10, 13));
  P.setPen(Cover.lighter(170));
  P.drawLine(QPointF(4, 1.5), QPointF(4, 13.5));
}

void Server(QPainter& P) {
  P.setPen(QColor(50, 50, 60));
  for (int Y : {2, 7, 12}) {
    P.setBrush(QColor(170, 175, 190));
    P.drawRect(QRectF(2, Y, 12, 3.5));
    P.setBrush(QColor(60, 200, 80));
    P.drawEllipse(QRectF(11, Y + 1, 1.5, 1.5));
  }
}

void DrawWebIcons(const QString& Folder) {
  const std::map<QString, TDraw> Icons = {
      {"web-devsite", Globe},
      {"web-guide", [](QPainter& P) { Book(P, QColor(190, 50, 40)); }},
      {"web-visualguide",
       [](QPainter& P) {
         Book(P, QColor(40, 140, 70));
         P.setPen(Qt::NoPen);
         P.setBrush(QColor(255, 210, 0));
         P.drawRect(QRectF(6, 4, 3, 3));
         P.setBrush(QColor(80, 140, 255));
         P.drawRect(QRectF(8, 8, 3, 3));
       }},
      {"web-serverguide", Server},
      {"web-docs",
       [](QPainter& P) {
         Page(P);
         P.setPen(Qt::NoPen);
         P.setBrush(QColor(200, 40, 40));
         P.drawPolygon(QPolygonF({{9, 1}, {11, 1}, {11, 6}, {10, 5}, {9, 6}}));
       }},
  };
  for (const auto& [Name, Draw] : Icons)
    Button(Draw, 16).save(Folder + "/" + Name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: corvane_artwork RESOURCES_FOLDER ICONS_FOLDER\n");
    return 2;
  }
  const QString Folder = QString::fromLocal8Bit(argv[1]);
  const QString IconFolder = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(Folder);
  QDir().mkpath(IconFolder);
  DrawStrip(Folder);
  DrawSplash(Folder);
  DrawButtons(Folder);
  DrawTabGlyphs(Folder);
  DrawLogos(Folder);
  DrawWebIcons(Folder);
  DrawDesktopIcons(IconFolder);
  return 0;
}
