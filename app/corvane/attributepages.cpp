#include "app/corvane/attributepages.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/corvane/valuewarnings.h"
#include "beans/beanfields.h"
#include "beans/factoryviews.h"
#include "beans/jsbdocument.h"
#include "beans/uitext.h"
#include "beans/undo/documenthistory.h"
#include "beans/valuemarks.h"
#include "widgets/accessibility.h"

const QStringList TAttributePages::EnvList = {"client", "server", "both", "either"};
const QStringList TAttributePages::TypeList = {"java.lang.String",
                                               "java.lang.Boolean",
                                               "java.lang.Number",
                                               "java.lang.Void",
                                               "boolean",
                                               "number",
                                               "string",
                                               "object",
                                               "void"};
const QStringList TAttributePages::PropTypeList = {"JS", "JS-expr", "AWT11", "TagAttribute"};
const QStringList TAttributePages::EventModelList = {"JS", "AWT11", "HTML"};

// One field of a page: its widget, label, kind, the tab and group it sits
// in, and the attribute it edits. Labels, tabs and groups are the designed
// English texts, shown translated in this class's context.
struct TAttributePages::TBinding {
  enum TKind { fkEntry, fkCombo, fkCheck };
  const char* Widget;
  const char* Label;
  TKind Kind;
  const char* Attribute;
  int Tab = 0;
  const char* Group = nullptr;
  const QStringList* List = nullptr;
};

namespace {

using B = TAttributePages::TBinding;

// A combo box whose list opens on the entry that it shows, or on none for a
// value of its own: filling and typing set its text alone, which leaves its
// current entry where the last pick put it.
class TSuggestionCombo : public QComboBox {
 public:
  using QComboBox::QComboBox;

  void showPopup() override {
    QComboBox::showPopup();
    QItemSelectionModel* Selection = view()->selectionModel();
    const int Row = findText(currentText());
    if (Row < 0) {
      Selection->clear();
      return;
    }
    const QModelIndex Entry = model()->index(Row, modelColumn(), rootModelIndex());
    Selection->setCurrentIndex(Entry, QItemSelectionModel::ClearAndSelect);
    view()->scrollTo(Entry);
  }
};

B EntryField(const char* Widget, const char* Label, const char* Attribute, int Tab = 0,
             const char* Group = nullptr) {
  return {Widget, Label, B::fkEntry, Attribute, Tab, Group};
}
B ComboField(const char* Widget, const char* Label, const char* Attribute,
             const QStringList& List) {
  return {Widget, Label, B::fkCombo, Attribute, 0, nullptr, &List};
}
B CheckField(const char* Widget, const char* Label, const char* Attribute, int Tab = 0) {
  return {Widget, Label, B::fkCheck, Attribute, Tab, QT_TRANSLATE_NOOP("TAttributePages", "Flags")};
}

QWidget* MakeField(const B& Binding, QWidget* Parent) {
  QWidget* Made = nullptr;
  switch (Binding.Kind) {
    case B::fkEntry:
      Made = new QLineEdit(Parent);
      break;
    case B::fkCombo: {
      auto* Box = new TSuggestionCombo(Parent);
      Box->setEditable(true);
      Box->setInsertPolicy(QComboBox::NoInsert);
      Box->addItems(*Binding.List);
      Box->setEditText(QString());
      NameControl(Box, TAttributePages::tr(Binding.Label));
      Made = Box;
      break;
    }
    case B::fkCheck:
      Made = new QCheckBox(TAttributePages::tr(Binding.Label), Parent);
      break;
  }
  Made->setObjectName(Binding.Widget);
  // Files dropped on a field open like files dropped anywhere on the window,
  // rather than landing in the field as text.
  Made->setAcceptDrops(false);
  if (auto* Box = qobject_cast<QComboBox*>(Made)) Box->lineEdit()->setAcceptDrops(false);
  return Made;
}

// Lays one tab out: a row per field, label at the left, groups in boxes.
void LayOut(QWidget* Tab, const std::vector<std::pair<const B*, QWidget*>>& Fields) {
  auto* Column = new QVBoxLayout(Tab);
  QFormLayout* Rows = new QFormLayout;
  Column->addLayout(Rows);
  const char* Group = nullptr;
  for (const auto& [Binding, Widget] : Fields) {
    if (Binding->Group != Group) {
      Group = Binding->Group;
      if (Group) {
        auto* Box = new QGroupBox(TAttributePages::tr(Group), Tab);
        Rows = new QFormLayout(Box);
        Column->addWidget(Box);
      } else {
        Rows = new QFormLayout;
        Column->addLayout(Rows);
      }
    }
    if (Binding->Kind == B::fkCheck)
      Rows->addRow(Widget);
    else
      Rows->addRow(TAttributePages::tr(Binding->Label), Widget);
  }
  Column->addStretch(1);
}

}  // namespace

TAttributePages::TAttributePages(const TPageParts& Parts)
    : QObject(&Parts.Notebook), FParts(Parts) {
  const auto& E = EnvList;
  const auto& T = TypeList;
  BuildPage<TJSBean>(
      "Descriptor", {QT_TR_NOOP("Descriptor")},
      {EntryField("fldDescriptorName", QT_TR_NOOP("Name:"), "NAME"),
       EntryField("fldDescriptorDisplayName", QT_TR_NOOP("Display name:"), "DISPLAYNAME"),
       EntryField("fldDescriptorShortDescription", QT_TR_NOOP("Short description:"),
                  "SHORTDESCRIPTION"),
       EntryField("fldDescriptorCustomizer", QT_TR_NOOP("Customizer:"), "CUSTOMIZER"),
       ComboField("fldDescriptorEnv", QT_TR_NOOP("Environment:"), "ENV", E),
       CheckField("chkDescriptorIsHidden", QT_TR_NOOP("Hide at runtime"), "ISHIDDEN"),
       CheckField("chkDescriptorIsJava", QT_TR_NOOP("Affiliate with Java classes"), "ISJAVA")});
  BuildPage<TPropertyDescriptor>(
      "Property", {QT_TR_NOOP("Standard"), QT_TR_NOOP("Additional")},
      {EntryField("fldPropertyName", QT_TR_NOOP("Name:"), "NAME"),
       EntryField("fldPropertyDisplayName", QT_TR_NOOP("Display name:"), "DISPLAYNAME"),
       EntryField("fldPropertyShortDescription", QT_TR_NOOP("Short description:"),
                  "SHORTDESCRIPTION"),
       ComboField("fldPropertyType", QT_TR_NOOP("Type:"), "TYPE", T),
       ComboField("fldPropertyPropType", QT_TR_NOOP("PropType:"), "PROPTYPE", PropTypeList),
       ComboField("fldPropertyEventModel", QT_TR_NOOP("Event model:"), "EVENTMODEL",
                  EventModelList),
       ComboField("fldPropertyEnv", QT_TR_NOOP("Environment:"), "ENV", E),
       EntryField("fldPropertyValueSet", QT_TR_NOOP("Value set:"), "VALUESET"),
       EntryField("fldPropertyPropertyEditor", QT_TR_NOOP("Property editor:"), "PROPERTYEDITOR"),
       EntryField("fldPropertyReadMethod", QT_TR_NOOP("Read method:"), "READMETHOD", 1,
                  QT_TR_NOOP("Get/Set methods")),
       EntryField("fldPropertyWriteMethod", QT_TR_NOOP("Write method:"), "WRITEMETHOD", 1,
                  QT_TR_NOOP("Get/Set methods")),
       CheckField("chkPropertyIsDefault", QT_TR_NOOP("Default"), "ISDEFAULT", 1),
       CheckField("chkPropertyIsBound", QT_TR_NOOP("Bound"), "ISBOUND", 1),
       CheckField("chkPropertyIsRuntime", QT_TR_NOOP("Set at runtime"), "ISRUNTIME", 1)});
  BuildPage<TMethodDescriptor>(
      "Method", {QT_TR_NOOP("Standard")},
      {EntryField("fldMethodName", QT_TR_NOOP("Name:"), "NAME"),
       EntryField("fldMethodDisplayName", QT_TR_NOOP("Display name:"), "DISPLAYNAME"),
       EntryField("fldMethodShortDescription", QT_TR_NOOP("Short description:"),
                  "SHORTDESCRIPTION"),
       ComboField("fldMethodType", QT_TR_NOOP("Type:"), "TYPE", T),
       ComboField("fldMethodEnv", QT_TR_NOOP("Environment:"), "ENV", E)});
  BuildPage<TEventSetDescriptor>(
      "Event", {QT_TR_NOOP("Standard"), QT_TR_NOOP("Listener")},
      {EntryField("fldEventName", QT_TR_NOOP("Name:"), "NAME"),
       EntryField("fldEventDisplayName", QT_TR_NOOP("Display name:"), "DISPLAYNAME"),
       EntryField("fldEventShortDescription", QT_TR_NOOP("Short description:"), "SHORTDESCRIPTION"),
       ComboField("fldEventEventModel", QT_TR_NOOP("Event model:"), "EVENTMODEL", EventModelList),
       EntryField("fldEventListenerType", QT_TR_NOOP("Type:"), "LISTENERTYPE", 1),
       EntryField("fldEventListenerMethods", QT_TR_NOOP("Listener methods:"), "LISTENERMETHODS", 1),
       EntryField("fldEventAddListenerMethod", QT_TR_NOOP("Add method:"), "ADDLISTENERMETHOD", 1),
       EntryField("fldEventRemoveListenerMethod", QT_TR_NOOP("Remove method:"),
                  "REMOVELISTENERMETHOD", 1),
       CheckField("chkEventIsDefault", QT_TR_NOOP("Default"), "ISDEFAULT", 0)});
  BuildPage<TParameterDescriptor>(
      "Parameter", {QT_TR_NOOP("Standard")},
      {EntryField("fldParameterName", QT_TR_NOOP("Name:"), "NAME"),
       EntryField("fldParameterDisplayName", QT_TR_NOOP("Display name:"), "DISPLAYNAME"),
       EntryField("fldParameterShortDescription", QT_TR_NOOP("Short description:"),
                  "SHORTDESCRIPTION"),
       ComboField("fldParameterType", QT_TR_NOOP("Type:"), "TYPE", T),
       EntryField("fldParameterValueSet", QT_TR_NOOP("Value set:"), "VALUESET")});
  BuildPage<TJSInterface>("Interface", {QT_TR_NOOP("Standard")},
                          {EntryField("fldInterfaceName", QT_TR_NOOP("Name:"), "NAME")});
  TJSBDocument& Document = FParts.Document;
  connect(&Document, &TJSBDocument::FieldChanged, this, &TAttributePages::ModelChanged);
  connect(&Document, &TJSBDocument::ItemRemoved, this, &TAttributePages::Forget);
  connect(&Document, &TJSBDocument::BeanReplaced, this, [this] { FShown = nullptr; });
  // A value can break the fields around it, so every field's mark is renewed.
  connect(&FParts.Marks, &TValueMarks::Changed, this, [this](TJSB_CustomCollectionItem* Item) {
    const void* Changed = Item ? static_cast<const void*>(Item) : FParts.Document.Bean();
    if (FShown && Changed == FShown) ShowWarnings(FShownPage, FParts.Marks.Losses(Item));
  });
}

TAttributePages::~TAttributePages() = default;

template <class T>
void TAttributePages::BuildPage(const char* Page, const std::vector<const char*>& Tabs,
                                const std::vector<TBinding>& Fields) {
  QWidget* Sheet = FParts.Notebook.findChild<QWidget*>(Page);
  FSheets[Page] = Sheet;
  auto* Inner = new QTabWidget(Sheet);
  Inner->setObjectName(QString(Page) + "Tabs");
  Inner->setFocusPolicy(Qt::NoFocus);
  (new QVBoxLayout(Sheet))->addWidget(Inner);
  FTabs[Page] = Inner;
  std::vector<TBinding>& Stored = FBindings[Page] = Fields;
  for (size_t TabIndex = 0; TabIndex < Tabs.size(); ++TabIndex) {
    auto* Tab = new QWidget(Inner);
    std::vector<std::pair<const TBinding*, QWidget*>> OnTab;
    for (const TBinding& Binding : Stored) {
      if (Binding.Tab != static_cast<int>(TabIndex)) continue;
      QWidget* Widget = MakeField(Binding, Tab);
      FFields[Binding.Widget] = Widget;
      OnTab.emplace_back(&Binding, Widget);
      const auto Changed = [this, &Binding, Widget] { FieldChanged<T>(Binding, Widget); };
      if (auto* Line = qobject_cast<QLineEdit*>(Widget))
        connect(Line, &QLineEdit::textChanged, this, Changed);
      else if (auto* Box = qobject_cast<QComboBox*>(Widget))
        connect(Box, &QComboBox::editTextChanged, this, Changed);
      else if (auto* Tick = qobject_cast<QCheckBox*>(Widget))
        connect(Tick, &QCheckBox::toggled, this, Changed);
    }
    LayOut(Tab, OnTab);
    Inner->addTab(Tab, tr(Tabs[TabIndex]));
  }
}

QWidget* TAttributePages::Field(const QString& Name) const {
  const auto Found = FFields.find(Name);
  return Found == FFields.end() ? nullptr : Found->second;
}
QLineEdit* TAttributePages::Entry(const QString& Name) const {
  return qobject_cast<QLineEdit*>(Field(Name));
}
QComboBox* TAttributePages::Combo(const QString& Name) const {
  return qobject_cast<QComboBox*>(Field(Name));
}
QCheckBox* TAttributePages::Check(const QString& Name) const {
  return qobject_cast<QCheckBox*>(Field(Name));
}
QTabWidget* TAttributePages::InnerTabs(const QString& Page) const {
  const auto Found = FTabs.find(Page);
  return Found == FTabs.end() ? nullptr : Found->second;
}

namespace {

// The item an object is; none for the component.
template <class T>
const TJSB_CustomCollectionItem* ItemOf(const T& Obj) {
  if constexpr (std::is_same_v<T, TJSBean>)
    return nullptr;
  else
    return &Obj;
}

QString FieldText(QWidget* Widget) {
  if (auto* Line = qobject_cast<QLineEdit*>(Widget)) return Line->text();
  if (auto* Box = qobject_cast<QComboBox*>(Widget)) return Box->currentText();
  return {};
}

// A field that shows the text already keeps its cursor and its undo: the
// value it has just written comes back to it this way.
void SetFieldText(QWidget* Widget, const QString& Text) {
  if (FieldText(Widget) == Text) return;
  if (auto* Line = qobject_cast<QLineEdit*>(Widget)) Line->setText(Text);
  if (auto* Box = qobject_cast<QComboBox*>(Widget)) Box->setEditText(Text);
}

}  // namespace

template <class F>
void TAttributePages::Filling(F Fill) {
  const bool Live = AttributesLive;
  AttributesLive = false;
  Fill();
  AttributesLive = Live;
}

// Every field of the page, in order, from the object.
template <class T>
void TAttributePages::Fill(const char* Page, const T& Obj) {
  FShown = &Obj;
  FShownPage = Page;
  FParts.Notebook.setCurrentWidget(FSheets[Page]);
  Filling([&] {
    for (const TBinding& Binding : FBindings[Page])
      ShowField(Obj, Binding);
  });
  ShowWarnings(Page, FParts.Marks.Losses(ItemOf(Obj)));
}

void TAttributePages::ShowWarnings(const QString& Page, const std::vector<TFieldLoss>& Losses) {
  for (const TBinding& Binding : FBindings[Page]) {
    if (Binding.Kind == B::fkCheck) continue;
    const auto Loss = std::find_if(Losses.begin(), Losses.end(), [&](const TFieldLoss& L) {
      return std::string_view(L.Attribute) == Binding.Attribute;
    });
    MarkField(FFields[Binding.Widget],
              Loss == Losses.end() ? QString() : QString::fromStdString(Loss->Loss.Text()));
  }
}

template <class T>
void TAttributePages::ShowField(const T& Obj, const TBinding& Binding) {
  const TField<T>* F = FieldByAttribute<T>(Binding.Attribute);
  QWidget* Widget = FFields[Binding.Widget];
  if (F->IsFlag())
    qobject_cast<QCheckBox*>(Widget)->setChecked((Obj.*F->GetFlag)());
  else
    SetFieldText(Widget, ToQString((Obj.*F->GetText)(), TTextEncoding::Utf8));
}

template <class T>
void TAttributePages::FillName(const char* NameField, const T& Obj) {
  Filling([&] { SetFieldText(FFields[NameField], ToQString(Obj.Name(), TTextEncoding::Utf8)); });
}

// The object the selected node shows, when it is a descriptor item.
TJSB_CustomCollectionItem* TAttributePages::SelectedItem() const {
  const TComponentTreeView& Tree = FParts.Tree;
  return Tree.Data(Tree.Selected()).Item;
}

// The item whose page was filled last, as its collection remembers it. A
// remembered index that no longer designates the selected item (items were
// deleted since) yields nothing rather than a wrong item.
template <class T>
T* TAttributePages::Target() const {
  TJSBean* Bean = FParts.Document.Bean();
  if constexpr (std::is_same_v<T, TJSBean>) {
    return Bean;
  } else {
    if (!Bean) return nullptr;
    T* Item = nullptr;
    if constexpr (std::is_same_v<T, TPropertyDescriptor>)
      Item = Bean->Properties().Items(Bean->Properties().ItemIndex);
    if constexpr (std::is_same_v<T, TMethodDescriptor>)
      Item = Bean->Methods().Items(Bean->Methods().ItemIndex);
    if constexpr (std::is_same_v<T, TEventSetDescriptor>)
      Item = Bean->EventSets().Items(Bean->EventSets().ItemIndex);
    if constexpr (std::is_same_v<T, TJSInterface>)
      Item = Bean->Interfaces().Items(Bean->Interfaces().ItemIndex);
    if constexpr (std::is_same_v<T, TParameterDescriptor>) {
      const TComponentTreeView& Tree = FParts.Tree;
      TTreeNode* Node = Tree.Selected();
      if (!Tree.IsShown() || !Node || !Tree.ParentNode(Node)) return nullptr;
      auto* Method = dynamic_cast<TMethodDescriptor*>(Tree.Data(Tree.ParentNode(Node)).Item);
      if (!Method) return nullptr;
      Item = Method->Parameters().Items(Method->Parameters().ItemIndex);
    }
    return Item && Item == SelectedItem() ? Item : nullptr;
  }
}

template <class T>
void TAttributePages::FieldChanged(const TBinding& Binding, QWidget* Widget) {
  if (!AttributesLive) return;
  T* Obj = Target<T>();
  if (!Obj) return;
  TJSB_CustomCollectionItem* Item = nullptr;
  if constexpr (!std::is_same_v<T, TJSBean>) Item = Obj;
  TDocumentHistory& History = FParts.History;
  if (qobject_cast<QCheckBox*>(Widget))
    History.SetFlag(Item, Binding.Attribute, qobject_cast<QCheckBox*>(Widget)->isChecked());
  else
    History.SetText(Item, Binding.Attribute, FParts.Document.Bytes(FieldText(Widget)));
}

void TAttributePages::ModelChanged(TJSB_CustomCollectionItem* Item, const QString& Attribute) {
  const void* Changed = Item ? static_cast<const void*>(Item) : FParts.Document.Bean();
  // Names reach the page through ShowName only: a new item's page keeps its
  // empty name field until the in-place rename that names the item ends.
  if (!FShown || Changed != FShown || Attribute == QLatin1String("NAME")) return;
  Filling([&] {
    if (!Item) RefreshField(*FParts.Document.Bean(), Attribute);
    if (auto* P = dynamic_cast<TPropertyDescriptor*>(Item)) RefreshField(*P, Attribute);
    if (auto* M = dynamic_cast<TMethodDescriptor*>(Item)) RefreshField(*M, Attribute);
    if (auto* A = dynamic_cast<TParameterDescriptor*>(Item)) RefreshField(*A, Attribute);
    if (auto* E = dynamic_cast<TEventSetDescriptor*>(Item)) RefreshField(*E, Attribute);
    if (auto* I = dynamic_cast<TJSInterface*>(Item)) RefreshField(*I, Attribute);
  });
}

template <class T>
void TAttributePages::RefreshField(const T& Obj, const QString& Attribute) {
  for (const TBinding& Binding : FBindings[FShownPage])
    if (Attribute == QLatin1String(Binding.Attribute)) ShowField(Obj, Binding);
}

void TAttributePages::Forget(TJSB_CustomCollectionItem* Item) {
  if (FShown == Item) FShown = nullptr;
}

void TAttributePages::ShowBeanAttributes(const TJSBean& Bean) {
  Fill("Descriptor", Bean);
}
void TAttributePages::ShowPropertyAttributes(const TPropertyDescriptor& Item) {
  Fill("Property", Item);
}
void TAttributePages::ShowMethodAttributes(const TMethodDescriptor& Item) {
  Fill("Method", Item);
}
void TAttributePages::ShowParameterAttributes(const TParameterDescriptor& Item) {
  Fill("Parameter", Item);
}
void TAttributePages::ShowEventAttributes(const TEventSetDescriptor& Item) {
  Fill("Event", Item);
}
void TAttributePages::ShowInterfaceAttributes(const TJSInterface& Item) {
  Fill("Interface", Item);
}
void TAttributePages::ShowBeanName(const TJSBean& Bean) {
  FillName("fldDescriptorName", Bean);
}
void TAttributePages::ShowPropertyName(const TPropertyDescriptor& Item) {
  FillName("fldPropertyName", Item);
}
void TAttributePages::ShowMethodName(const TMethodDescriptor& Item) {
  FillName("fldMethodName", Item);
}
void TAttributePages::ShowParameterName(const TParameterDescriptor& Item) {
  FillName("fldParameterName", Item);
}
void TAttributePages::ShowEventName(const TEventSetDescriptor& Item) {
  FillName("fldEventName", Item);
}
void TAttributePages::ShowInterfaceName(const TJSInterface& Item) {
  FillName("fldInterfaceName", Item);
}
