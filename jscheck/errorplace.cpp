#include "errorplace.h"

#include <algorithm>

namespace {

bool EndsEngineLine(QChar C) {
  return C == u'\n' || C == u'\r' || C == QChar(0x2028) || C == QChar(0x2029);
}

// The index in Source of the engine's Line and Column.
qsizetype EngineIndex(const QString& Source, int Line, int Column) {
  const qsizetype Size = Source.size();
  qsizetype At = 0;
  for (int L = 1; L < Line && At < Size;) {
    const QChar C = Source[At++];
    if (!EndsEngineLine(C)) continue;
    if (C == u'\r' && At < Size && Source[At] == u'\n') ++At;
    ++L;
  }
  qsizetype End = At;
  while (End < Size && !EndsEngineLine(Source[End]))
    ++End;
  return std::min(At + std::max(Column, 1) - 1, End);
}

}  // namespace

TScriptError ErrorPlace(const QString& Source, TTextEncoding Encoding, int Line, int Column) {
  const qsizetype Index = EngineIndex(Source, Line, Column);
  TScriptError Place;
  qsizetype LineStart = 0;
  for (qsizetype I = 0; I < Index; ++I) {
    const QChar C = Source[I];
    if (C != u'\r' && C != u'\n') continue;
    if (C == u'\r' && I + 1 < Index && Source[I + 1] == u'\n') ++I;
    ++Place.Line;
    LineStart = I + 1;
  }
  const QStringView Before = QStringView(Source).mid(LineStart, Index - LineStart);
  if (Column > 0)
    Place.Column = 1 + static_cast<int>(std::count_if(Before.begin(), Before.end(),
                                                      [](QChar C) { return !C.isLowSurrogate(); }));
  Place.Offset = static_cast<size_t>(
      Encoding == TTextEncoding::Latin1 ? Index : QStringView(Source).left(Index).toUtf8().size());
  return Place;
}
