// Draws Corvane's artwork: the 41-image strip of tree and list images, the
// splash picture, the tool-button glyphs and the two tab glyphs. The PNG files
// it writes are committed under app/resources; run it again after a change:
//   corvane_artwork OUTPUT_FOLDER
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
void DrawStrip(const QString& Folder) {
  QImage Strip(41 * 16, 16, QImage::Format_RGB32);
  Strip.fill(Olive);
  const auto Images = StripImages();
  for (int I = 0; I < 41; ++I) {
    QPainter P(&Strip);
    P.setRenderHint(QPainter::Antialiasing);
    P.translate(16 * I, 0);
    P.setClipRect(0, 0, 16, 16);
    const auto Found = Images.find(I);
    if (Found != Images.end())
      Found->second(P);
    else
      Sphere(P, QColor::fromHsv((I * 37) % 360, 120, 200));
  }
  Strip.save(Folder + "/infoview.png");
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
  for (const auto& [Name, Draw] : Buttons)
    Button(Draw).save(Folder + "/" + Name + ".png");
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

}  // namespace

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: corvane_artwork OUTPUT_FOLDER\n");
    return 2;
  }
  const QString Folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(Folder);
  DrawStrip(Folder);
  DrawSplash(Folder);
  DrawButtons(Folder);
  DrawTabGlyphs(Folder);
  return 0;
}
