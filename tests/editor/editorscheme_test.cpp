// The designed colours made readable on light, dark and mid-grey palettes.
#include <QtTest>

#include "editor/editorscheme.h"

class EditorSchemeTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTokenIsReadableAndTheLightPaletteKeepsTheDesign() {
    // On mid-grey only black is readable: every token is black there.
    struct TPalette {
      const char* Name;
      QColor Base, Text;
      bool Apart;  // tokens designed apart stay apart
    };
    const TPalette Palettes[] = {
        {"light", Qt::white, Qt::black, true},
        {"dark", QColor(0x3d, 0x3d, 0x3d), Qt::white, true},
        {"mid-grey", QColor(0x80, 0x80, 0x80), Qt::black, false},
        {"mid-grey, white text", QColor(0x80, 0x80, 0x80), Qt::white, false}};
    const TEditor Designed;
    const std::pair<const char*, std::uint32_t TEditor::*> Tokens[] = {
        {"Normal", &TEditor::Normal},     {"Strings", &TEditor::Strings},
        {"Keywords", &TEditor::Keywords}, {"HTMLTags", &TEditor::HTMLTags},
        {"Comments", &TEditor::Comments}, {"Numbers", &TEditor::Numbers}};
    for (const auto& [Name, Base, Text, Apart] : Palettes) {
      const TEditor Scheme = ReadableScheme(Base, Text);
      const bool Light = Base == Qt::white;
      QCOMPARE(ColorOf(Scheme.Background), Base);
      QCOMPARE(Scheme.BlockFore, Designed.BlockFore);
      QCOMPARE(Scheme.BlockBack, Designed.BlockBack);
      for (const auto& [Token, Field] : Tokens) {
        const QColor Fore = ColorOf(Scheme.*Field), Was = ColorOf(Designed.*Field);
        const QByteArray What = QByteArray(Name) + " " + Token;
        if (Light)  // as designed, grey strings and red numbers too
          QVERIFY2(Scheme.*Field == Designed.*Field, What);
        else
          QVERIFY2(ContrastRatio(Fore, Base) >= ReadableContrast, What);
        if (Was.hslSaturation() > 0)  // a coloured token keeps its hue
          QVERIFY2(std::abs(Fore.hslHue() - Was.hslHue()) <= 4, What);
        for (const auto& [Other, OtherField] : Tokens)
          if (Apart && Designed.*Field != Designed.*OtherField)
            QVERIFY2(Scheme.*Field != Scheme.*OtherField, What + " and " + Other);
      }
    }
    QVERIFY(qAbs(ContrastRatio(ColorOf(Designed.Strings), Qt::white) - 3.949) < 0.001);
    QVERIFY(qAbs(ContrastRatio(Qt::black, Qt::white) - 21.0) < 1e-9);
    QCOMPARE(ReadableOn(Qt::black, QColor(0x80, 0x80, 0x80)),
             QColor(Qt::black));  // readable already
  }
};

QTEST_MAIN(EditorSchemeTest)
#include "editorscheme_test.moc"
