// The document's signals, and items taken out of a collection and put back.
#include <gtest/gtest.h>

#include <QStringList>

#include "beans/jsbdocument.h"

namespace {

// Every signal of the document, in order, as one line each.
struct TSignalLog {
  QStringList Lines;
  explicit TSignalLog(TJSBDocument& Doc) {
    const auto Name = [](TJSB_CustomCollectionItem* Item) {
      return Item ? QString::fromStdString(Item->Name()) : QString("bean");
    };
    QObject::connect(&Doc, &TJSBDocument::FieldChanged, [=, this](auto* Item, const QString& A) {
      Lines << "field " + Name(Item) + " " + A;
    });
    QObject::connect(&Doc, &TJSBDocument::ItemAdded,
                     [=, this](auto* Item) { Lines << "added " + Name(Item); });
    QObject::connect(&Doc, &TJSBDocument::ItemRemoved,
                     [=, this](auto* Item) { Lines << "removed " + Name(Item); });
    QObject::connect(&Doc, &TJSBDocument::ModifiedChanged,
                     [this](bool M) { Lines << QString("modified %1").arg(M); });
  }
};

QStringList Names(const TPropertyDescriptors& Items) {
  QStringList Out;
  for (int I = 0; I < Items.Count(); ++I)
    Out << QString::fromStdString(Items.Items(I)->Name()) +
               QString::number(Items.Items(I)->Index());
  return Out;
}

}  // namespace

TEST(Document, ChangesEmitOnlyWhenAValueChanges) {
  TJSBDocument Doc;
  Doc.Adopt(std::make_unique<TJSBean>(), TTextEncoding::Utf8);
  TSignalLog Log(Doc);
  auto* P = Doc.AddItem(dkProperty);
  EXPECT_TRUE(Doc.Rename(P, "p"));
  EXPECT_FALSE(Doc.Rename(P, "p"));                    // unchanged: nothing emitted
  EXPECT_TRUE(Doc.SetText(nullptr, "ENV", "client"));  // the component itself
  EXPECT_TRUE(Doc.SetFlag(P, "ISBOUND", true));
  EXPECT_FALSE(Doc.SetFlag(P, "TYPE", true));       // not a flag
  EXPECT_FALSE(Doc.SetText(P, "CUSTOMIZER", "x"));  // a property has none
  EXPECT_FALSE(Doc.AddItem(dkParameter));           // no method given
  Doc.SetModified(false);
  Doc.SetModified(false);
  EXPECT_EQ(Log.Lines, (QStringList{"added ", "modified 1", "field p NAME", "field bean ENV",
                                    "field p ISBOUND", "modified 0"}));
  EXPECT_EQ(Doc.Bean()->Properties().Items(0)->IsBound(), true);
}

TEST(Document, RemovedItemsComeBackWhereTheyWere) {
  TJSBDocument Doc;
  Doc.Adopt(std::make_unique<TJSBean>(), TTextEncoding::Utf8);
  for (const char* Name : {"a", "b", "c"})
    Doc.Rename(Doc.AddItem(dkProperty), Name);
  TPropertyDescriptors& Props = Doc.Bean()->Properties();
  Props.ItemIndex = 2;
  TSignalLog Log(Doc);
  std::unique_ptr<TCollectionItem> B = Doc.RemoveItem(Props.Items(1));
  ASSERT_TRUE(B);
  EXPECT_EQ(B->Index(), -1);
  EXPECT_EQ(B->Collection(), &Props);  // still knows where it belongs
  EXPECT_EQ(Names(Props), (QStringList{"a0", "c1"}));
  EXPECT_EQ(Props.ItemIndex, 2);  // removing never moves the current item
  Doc.InsertItem(std::move(B), 1);
  EXPECT_EQ(Names(Props), (QStringList{"a0", "b1", "c2"}));
  EXPECT_EQ(Log.Lines, (QStringList{"removed b", "added b"}));
  // Out-of-range indices take nothing and insert at the nearest end.
  EXPECT_FALSE(Props.Take(3));
  Props.Insert(9, Props.Take(0));
  EXPECT_EQ(Names(Props), (QStringList{"b0", "c1", "a2"}));
}

TEST(Document, ParametersBelongToTheirMethod) {
  TJSBDocument Doc;
  Doc.Adopt(std::make_unique<TJSBean>(), TTextEncoding::Utf8);
  auto* M = static_cast<TMethodDescriptor*>(Doc.AddItem(dkMethod));
  auto* A = Doc.AddItem(dkParameter, M);
  Doc.SetModified(false);
  EXPECT_TRUE(Doc.SetText(A, "VALUESET", "1,2"));
  EXPECT_TRUE(Doc.Bean()->Modified());
  auto Taken = Doc.RemoveItem(A);
  EXPECT_EQ(M->Parameters().Count(), 0);
  Doc.InsertItem(std::move(Taken), 0);
  EXPECT_EQ(M->Parameters().Items(0)->ValueSet(), "1,2");
}
