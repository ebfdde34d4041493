// The open document: the component and the encoding of its file. Every change
// of the model goes through here, and the views learn of it from the signals.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "beans/beanmodel.h"
#include "beans/encoding.h"
#include "beans/jsbreader.h"

class TJSBDocument : public QObject {
  Q_OBJECT

 public:
  explicit TJSBDocument(QObject* Parent = nullptr);
  ~TJSBDocument() override;

  // The component; none before the first New or Open and after Free.
  TJSBean* Bean() const { return FBean.get(); }
  // The encoding the file had and will be written in.
  TTextEncoding Encoding() const { return FEncoding; }
  void SetEncoding(TTextEncoding Value) { FEncoding = Value; }
  // Makes Bean (read or new) the document's component.
  void Adopt(std::unique_ptr<TJSBean> Bean, TTextEncoding Encoding);
  void Free();

  // Sets the field with this JSB attribute of Item (none: the component);
  // false, and nothing emitted, when the value is unchanged or the object has
  // no such field.
  bool SetText(TJSB_CustomCollectionItem* Item, std::string_view Attribute,
               const std::string& Value);
  bool SetFlag(TJSB_CustomCollectionItem* Item, std::string_view Attribute, bool Value);
  // The field's text or flag; empty or false when the object has no such field.
  std::string Text(TJSB_CustomCollectionItem* Item, std::string_view Attribute) const;
  bool Flag(TJSB_CustomCollectionItem* Item, std::string_view Attribute) const;
  bool Rename(TJSB_CustomCollectionItem* Item, const std::string& Name) {
    return SetText(Item, "NAME", Name);
  }
  // Appends an item of the kind; a parameter goes to Method.
  TJSB_CustomCollectionItem* AddItem(TDescriptorKind Kind, TMethodDescriptor* Method = nullptr);
  // Takes the item out of its collection without destroying it, so that it
  // can come back with InsertItem at the index it had.
  std::unique_ptr<TCollectionItem> RemoveItem(TJSB_CustomCollectionItem* Item);
  void InsertItem(std::unique_ptr<TCollectionItem> Item, int Index);
  void SetModified(bool Value);

  // Window text as model text (UTF-8); text that the encoding cannot hold
  // turns the document into UTF-8 first, so that nothing typed is lost.
  std::string Bytes(const QString& Text);

 signals:
  // Item is none for the component's own fields.
  void FieldChanged(TJSB_CustomCollectionItem* Item, const QString& Attribute);
  void ItemAdded(TJSB_CustomCollectionItem* Item);
  // The item is out of its collection but still alive while this runs.
  void ItemRemoved(TJSB_CustomCollectionItem* Item);
  void ModifiedChanged(bool Modified);
  // Another component (or none) took the place of the old one.
  void BeanReplaced();

 private:
  // Runs Change and emits ModifiedChanged when it flipped the flag.
  template <class F>
  auto Tracked(F Change);

  std::unique_ptr<TJSBean> FBean;
  TTextEncoding FEncoding = TTextEncoding::Utf8;
};
