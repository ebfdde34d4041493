#include "desktopicons.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <QTextStream>
#include <vector>

namespace {

// Both icons are drawn from a few plain shapes on a 256-unit square, so that
// the same description paints every bitmap size and writes the scalable file.
struct TShape {
  enum TKind { Rect, Ellipse, Polygon, Polyline } Kind;
  QPolygonF Points;  // the two corners of a rectangle or ellipse's box
  QColor Fill;       // invalid: not filled
  QColor Stroke;     // invalid: no outline
  qreal Width = 0;
  qreal Radius = 0;  // of a rectangle's corners
};

using TIcon = std::vector<TShape>;

const QColor Teal(31, 163, 168), DeepTeal(10, 124, 128), Slate(90, 100, 112);

TShape Box(TShape::TKind Kind, QRectF R, QColor Fill, QColor Stroke = {}, qreal Width = 0,
           qreal Radius = 0) {
  return {Kind, QPolygonF({R.topLeft(), R.bottomRight()}), Fill, Stroke, Width, Radius};
}

TShape Line(QPolygonF Points, QColor Stroke, qreal Width) {
  return {TShape::Polyline, Points, {}, Stroke, Width, 0};
}

// The product's mark, a teal sphere, bearing a tag's angle brackets.
void Mark(TIcon& Icon, QRectF Sphere, qreal Stroke) {
  Icon.push_back(Box(TShape::Ellipse, Sphere, Teal, DeepTeal, Stroke / 2.5));
  const QPointF C = Sphere.center();
  const qreal H = Sphere.height() * 0.2, W = Sphere.width() * 0.2;
  Icon.push_back(
      Line({{C.x() - W * 0.9, C.y() - H}, {C.x() - W * 1.9, C.y()}, {C.x() - W * 0.9, C.y() + H}},
           Qt::white, Stroke));
  Icon.push_back(
      Line({{C.x() + W * 0.9, C.y() - H}, {C.x() + W * 1.9, C.y()}, {C.x() + W * 0.9, C.y() + H}},
           Qt::white, Stroke));
}

TIcon ApplicationIcon() {
  TIcon Icon{Box(TShape::Rect, QRectF(16, 16, 224, 224), QColor(11, 79, 99), {}, 0, 40)};
  Mark(Icon, QRectF(40, 40, 176, 176), 16);
  Icon.push_back(Line({{140, 90}, {116, 166}}, Qt::white, 16));
  return Icon;
}

TIcon DocumentIcon() {
  const QColor Rule(154, 164, 174);
  TIcon Icon{{TShape::Polygon, QPolygonF({{48, 16}, {168, 16}, {216, 64}, {216, 240}, {48, 240}}),
              Qt::white, Slate, 8, 0},
             {TShape::Polygon, QPolygonF({{168, 16}, {168, 64}, {216, 64}}), QColor(208, 214, 220),
              Slate, 8, 0},
             Line({{76, 52}, {140, 52}}, Rule, 10),
             Line({{76, 78}, {140, 78}}, Rule, 10)};
  Mark(Icon, QRectF(68, 104, 120, 120), 12);
  return Icon;
}

void Paint(QPainter& P, const TIcon& Icon) {
  for (const TShape& S : Icon) {
    P.setBrush(S.Fill.isValid() ? QBrush(S.Fill) : Qt::NoBrush);
    P.setPen(S.Stroke.isValid()
                 ? QPen(S.Stroke, S.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                 : Qt::NoPen);
    const QRectF R(S.Points.value(0), S.Points.value(1));
    switch (S.Kind) {
      case TShape::Rect:
        P.drawRoundedRect(R, S.Radius, S.Radius);
        break;
      case TShape::Ellipse:
        P.drawEllipse(R);
        break;
      case TShape::Polygon:
        P.drawPolygon(S.Points);
        break;
      case TShape::Polyline:
        P.drawPolyline(S.Points);
        break;
    }
  }
}

QImage Render(const TIcon& Icon, int Pixels) {
  QImage Img(Pixels, Pixels, QImage::Format_ARGB32);
  Img.fill(Qt::transparent);
  QPainter P(&Img);
  P.setRenderHint(QPainter::Antialiasing);
  P.scale(Pixels / 256.0, Pixels / 256.0);
  Paint(P, Icon);
  return Img;
}

QString Points(const QPolygonF& Polygon) {
  QStringList List;
  for (const QPointF& Pt : Polygon)
    List << QString("%1,%2").arg(Pt.x()).arg(Pt.y());
  return List.join(' ');
}

QString SvgPaint(const TShape& S) {
  QString Text = QString(" fill=\"%1\"").arg(S.Fill.isValid() ? S.Fill.name() : "none");
  if (S.Stroke.isValid())
    Text += QString(
                " stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\""
                " stroke-linejoin=\"round\"")
                .arg(S.Stroke.name())
                .arg(S.Width);
  return Text;
}

void WriteSvg(const TIcon& Icon, const QString& Path) {
  QFile File(Path);
  if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  QTextStream Out(&File);
  Out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\""
         " viewBox=\"0 0 256 256\">\n";
  for (const TShape& S : Icon) {
    const QRectF R(S.Points.value(0), S.Points.value(1));
    switch (S.Kind) {
      case TShape::Rect:
        Out << QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"")
                   .arg(R.x())
                   .arg(R.y())
                   .arg(R.width())
                   .arg(R.height())
                   .arg(S.Radius);
        break;
      case TShape::Ellipse:
        Out << QString("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"")
                   .arg(R.center().x())
                   .arg(R.center().y())
                   .arg(R.width() / 2)
                   .arg(R.height() / 2);
        break;
      case TShape::Polygon:
        Out << "  <polygon points=\"" << Points(S.Points) << '"';
        break;
      case TShape::Polyline:
        Out << "  <polyline points=\"" << Points(S.Points) << '"';
        break;
    }
    Out << SvgPaint(S) << "/>\n";
  }
  Out << "</svg>\n";
}

}  // namespace

void DrawDesktopIcons(const QString& Folder) {
  const std::pair<const char*, TIcon> Icons[] = {{"corvane", ApplicationIcon()},
                                                 {"jsb", DocumentIcon()}};
  for (const auto& [Name, Icon] : Icons) {
    for (int Pixels : {16, 24, 32, 48, 64, 96, 128, 256, 512})
      Render(Icon, Pixels).save(QString("%1/%2-%3.png").arg(Folder, Name).arg(Pixels));
    WriteSvg(Icon, QString("%1/%2.svg").arg(Folder, Name));
  }
}
