#include "windowbenchopen.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTreeWidgetItemIterator>
#include <chrono>
#include <vector>

#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "beans/jsbwriter.h"
#include "quietmessages.h"
#include "widgets/hetreeview.h"

TGeneratedBean WriteGeneratedFile(int Items, const std::string& FileName) {
  TGeneratedBean G = GenerateBeanWithItems(Items);
  WriteJSBFile(FileName, *G.Bean, G.Constructor);
  return G;
}

void OpenGeneratedFile(TMainForm& Form, int Items, const std::string& FileName) {
  WriteGeneratedFile(Items, FileName);
  Form.show();
  Form.LoadFile(QString::fromStdString(FileName));
  ProcessEventsUntilIdle();
}

void ProcessEventsUntilIdle() {
  QAbstractEventDispatcher* Dispatcher = QAbstractEventDispatcher::instance();
  for (int Pass = 0; Pass < 5000; ++Pass) {
    QCoreApplication::sendPostedEvents();
    if (!Dispatcher->processEvents(QEventLoop::AllEvents)) return;
  }
}

namespace {

int CountNodes(QTreeWidget* Tree) {
  int N = 0;
  for (QTreeWidgetItemIterator It(Tree); *It; ++It)
    ++N;
  return N;
}

void InspectMethods(const TJSBean& Bean, TOpenedView& V) {
  for (int I = 0; I < Bean.Methods().Count(); ++I) {
    const TTreeNode* Node = Bean.Methods().Items(I)->Node;
    if (!Node) continue;
    ++V.MethodNodes;
    V.ParameterNodes += Node->childCount();
    if (Node->isExpanded()) ++V.ExpandedMethods;
  }
}

TOpenedView Inspect(const TMainForm& Form) {
  TOpenedView V;
  V.Nodes = CountNodes(Form.tvBeanTree);
  V.Page = Form.CurrentAttributePage();
  const TJSBean* Bean = BeanFactory->Bean();  // the window's factory
  if (!Bean || !Bean->Node) return V;
  const TTreeNode* Root = Bean->Node;
  V.RootChildren = Root->childCount();
  V.RootExpanded = Root->isExpanded();
  V.RootSelected = Form.tvBeanTree->currentItem() == Root && Root->isSelected();
  InspectMethods(*Bean, V);
  return V;
}

}  // namespace

TOpenResult TimeOpening(const QString& FileName, int Runs) {
  TQuietMessages Quiet;
  TOpenResult R;
  std::vector<double> Seconds;
  for (int I = 0; I < Runs; ++I) {
    TMainForm Form;
    Form.show();
    ProcessEventsUntilIdle();
    const auto Start = std::chrono::steady_clock::now();
    Form.LoadFile(FileName);
    ProcessEventsUntilIdle();
    const std::chrono::duration<double> Took = std::chrono::steady_clock::now() - Start;
    Seconds.push_back(Took.count());
    R.View = Inspect(Form);
  }
  R.Open = Summarise(std::move(Seconds));
  R.Notices = Quiet.Notices;
  return R;
}
