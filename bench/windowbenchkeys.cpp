#include "windowbenchkeys.h"

#include <QLineEdit>
#include <cstdio>

#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "quietmessages.h"
#include "sidebyside.h"
#include "tempdir.h"
#include "widgets/hetreeview.h"
#include "windowbenchopen.h"

namespace {

// Types one character at the end, as a key press does: textChanged follows.
void TypeOne(QLineEdit* Field) {
  Field->end(false);
  Field->insert(QStringLiteral("x"));
}

// Runs keystrokes into the window's field beside as many into a plain edit.
void Compare(QLineEdit* Field, QLineEdit& Plain, int Runs, const char* Name) {
  TSide Window, Anchor;
  const auto InWindow = [&] { Window.Measure([&] { TypeOne(Field); }); };
  const auto InPlain = [&] { Anchor.Measure([&] { TypeOne(&Plain); }); };
  Alternate(Runs, InWindow, InPlain);
  Window.Print(Name);
  Anchor.Print("anchor: a plain QLineEdit");
  std::printf("  %-36s %.2f x the anchor (processor time, medians)\n", "",
              Window.Cpu().Median / Anchor.Cpu().Median);
}

}  // namespace

int RunKeystrokeBenchmark(const std::string& Folder, int Runs) {
  TQuietMessages Quiet;
  TTempDir Dir(Folder);
  TMainForm Form;
  OpenGeneratedFile(Form, 100'000, Dir.File("keys.jsb"));
  const TJSBean* Bean = BeanFactory->Bean();
  if (!Bean || Bean->Properties().Count() == 0 || !Bean->Properties().Items(0)->Node) {
    std::fprintf(stderr, "jsbwindowbench: the generated component has no property node\n");
    return 1;
  }
  Form.tvBeanTree->setCurrentItem(Bean->Properties().Items(0)->Node);
  ProcessEventsUntilIdle();
  auto* Name = Form.findChild<QLineEdit*>("fldPropertyName");
  auto* Display = Form.findChild<QLineEdit*>("fldPropertyDisplayName");
  if (!Name || !Display) {
    std::fprintf(stderr, "jsbwindowbench: the Property page's fields are missing\n");
    return 1;
  }
  QLineEdit Plain;
  Plain.show();
  std::printf("jsbwindowbench keystroke: 100,000 items, %d keys a side, A B B A\n", 2 * Runs);
  Compare(Name, Plain, Runs, "a key in the property's name");
  Compare(Display, Plain, Runs, "a key in its display name");
  // The keys reached the model, not only the fields.
  const TPropertyDescriptor* Typed = Bean->Properties().Items(0);
  if (QString::fromStdString(Typed->Name()) != Name->text() ||
      QString::fromStdString(Typed->DisplayName()) != Display->text()) {
    std::fprintf(stderr, "jsbwindowbench: the typed text did not reach the property\n");
    return 1;
  }
  return 0;
}
