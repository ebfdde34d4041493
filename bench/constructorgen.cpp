#include "constructorgen.h"

QString Constructor(int Lines) {
  static const char* const Pattern[] = {
      "function Part%1(a, b) {\n", "\tvar x%1 = \"text \\\" %1\" + 'c' + a * 2; // note %1\n",
      "\tif (x%1 >= b && b != null || !a) { this.v[%1] = x%1.length; }\n",
      "\treturn x%1 <= b ? a++ : b--; // no block comments, so one opened runs on\n", "}\n"};
  QString Text;
  for (int I = 0; I < Lines; ++I) {
    const QString Line = QString::fromLatin1(Pattern[I % 5]);
    Text += Line.contains('%') ? Line.arg(I / 5) : Line;
  }
  return Text;
}
