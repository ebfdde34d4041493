// The attribute pages of the notebook: a form of fields per kind of object,
// each field writing straight into the model as the user types, ticks or
// picks. Filling a page writes nothing back: AttributesLive is off while it
// runs, and a field already showing the model's value is not set again.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <vector>

#include "beans/attributeview.h"
#include "beans/valuecheck.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class QWidget;
class TComponentTreeView;
class TDocumentHistory;
class TJSBDocument;
class TValueMarks;
class TJSBean;
class TJSB_CustomCollectionItem;

// What the pages work with; none is owned, and all outlive the pages.
struct TPageParts {
  TJSBDocument& Document;
  // Every change the pages make goes through the history.
  TDocumentHistory& History;
  TValueMarks& Marks;
  // Whose selected node shows the object being edited.
  TComponentTreeView& Tree;
  // The notebook: a sheet per page, named after it, which the pages fill.
  QStackedWidget& Notebook;
};

class TAttributePages : public QObject, public TAttributeView {
  Q_OBJECT

 public:
  // The pages follow the document; they belong to the notebook.
  explicit TAttributePages(const TPageParts& Parts);
  ~TAttributePages() override;

  // A field by its name ("fldPropertyName", "chkPropertyIsBound").
  QWidget* Field(const QString& Name) const;
  QLineEdit* Entry(const QString& Name) const;
  QComboBox* Combo(const QString& Name) const;
  QCheckBox* Check(const QString& Name) const;
  // The page control inside a page ("Property", ...).
  QTabWidget* InnerTabs(const QString& Page) const;

  // The suggestion lists of the combo boxes.
  static const QStringList EnvList, TypeList, PropTypeList, EventModelList;

  void ShowBeanAttributes(const TJSBean& Bean) override;
  void ShowPropertyAttributes(const TPropertyDescriptor& Item) override;
  void ShowMethodAttributes(const TMethodDescriptor& Item) override;
  void ShowParameterAttributes(const TParameterDescriptor& Item) override;
  void ShowEventAttributes(const TEventSetDescriptor& Item) override;
  void ShowInterfaceAttributes(const TJSInterface& Item) override;
  void ShowBeanName(const TJSBean& Bean) override;
  void ShowPropertyName(const TPropertyDescriptor& Item) override;
  void ShowMethodName(const TMethodDescriptor& Item) override;
  void ShowParameterName(const TParameterDescriptor& Item) override;
  void ShowEventName(const TEventSetDescriptor& Item) override;
  void ShowInterfaceName(const TJSInterface& Item) override;

  struct TBinding;
  // Off while a page or a field is being filled.
  bool AttributesLive = true;

 private:
  template <class F>
  void Filling(F Fill);
  template <class T>
  void BuildPage(const char* Page, const std::vector<const char*>& Tabs,
                 const std::vector<TBinding>& Fields);
  template <class T>
  void Fill(const char* Page, const T& Obj);
  template <class T>
  void FillName(const char* NameField, const T& Obj);
  template <class T>
  void FieldChanged(const TBinding& Binding, QWidget* Widget);
  template <class T>
  T* Target() const;
  TJSB_CustomCollectionItem* SelectedItem() const;
  // A change of the model that this page did not make refreshes the field
  // when the page shows the object that changed.
  void ModelChanged(TJSB_CustomCollectionItem* Item, const QString& Attribute);
  void Forget(TJSB_CustomCollectionItem* Item);
  template <class T>
  void ShowField(const T& Obj, const TBinding& Binding);
  template <class T>
  void RefreshField(const T& Obj, const QString& Attribute);
  // The warning icon of each text field of the page shown, from the values
  // of the object it shows.
  void ShowWarnings(const QString& Page, const std::vector<TFieldLoss>& Losses);

  TPageParts FParts;
  std::map<QString, QWidget*> FSheets;
  // The object whose page was filled last: the component, or an item.
  const void* FShown = nullptr;
  QString FShownPage;
  std::map<QString, QWidget*> FFields;
  std::map<QString, QTabWidget*> FTabs;
  std::map<QString, std::vector<TBinding>> FBindings;
};
