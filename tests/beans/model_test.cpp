#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "beans/attributeview.h"
#include "beans/beanfields.h"
#include "beans/beanmodel.h"

namespace {

// Records which page was filled and with which name.
class TRecordingView : public TAttributeView {
 public:
  std::vector<std::string> Log;
  void ShowBeanAttributes(const TJSBean& B) override { Log.push_back("bean " + B.Name()); }
  void ShowPropertyAttributes(const TPropertyDescriptor& I) override { Add("property", I); }
  void ShowMethodAttributes(const TMethodDescriptor& I) override { Add("method", I); }
  void ShowParameterAttributes(const TParameterDescriptor& I) override { Add("parameter", I); }
  void ShowEventAttributes(const TEventSetDescriptor& I) override { Add("event", I); }
  void ShowInterfaceAttributes(const TJSInterface& I) override { Add("interface", I); }
  void ShowBeanName(const TJSBean& B) override { Log.push_back("bean name " + B.Name()); }
  void ShowPropertyName(const TPropertyDescriptor& I) override { Add("property name", I); }
  void ShowMethodName(const TMethodDescriptor& I) override { Add("method name", I); }
  void ShowParameterName(const TParameterDescriptor& I) override { Add("parameter name", I); }
  void ShowEventName(const TEventSetDescriptor& I) override { Add("event name", I); }
  void ShowInterfaceName(const TJSInterface& I) override { Add("interface name", I); }

 private:
  void Add(const std::string& What, const TJSB_CustomCollectionItem& I) {
    Log.push_back(What + " " + I.Name());
  }
};

}  // namespace

TEST(BeanModel, NewBeanIsEmpty) {
  TJSBean Bean;
  for (const auto& F : FieldsOf<TJSBean>()) {
    if (F.IsFlag())
      EXPECT_FALSE((Bean.*F.GetFlag)()) << F.Name;
    else
      EXPECT_EQ((Bean.*F.GetText)(), "") << F.Name;
  }
  EXPECT_FALSE(Bean.Modified());
  EXPECT_EQ(Bean.Properties().Count() + Bean.Methods().Count() + Bean.EventSets().Count() +
                Bean.Interfaces().Count(),
            0);
  EXPECT_EQ(Bean.Node, nullptr);
}

// Every setter of every class: the same value changes nothing, a value that
// differs in letter case only is a change.
template <class T>
void CheckSetters(T& Obj, TJSBean& Bean) {
  for (const TField<T>& F : FieldsOf<T>()) {
    Bean.SetModified(false);
    if (F.IsFlag()) {
      (Obj.*F.SetFlag)(false);
      EXPECT_FALSE(Bean.Modified()) << F.Name;
      (Obj.*F.SetFlag)(true);
      EXPECT_TRUE(Bean.Modified()) << F.Name;
      EXPECT_TRUE((Obj.*F.GetFlag)()) << F.Name;
    } else {
      (Obj.*F.SetText)("value");
      EXPECT_TRUE(Bean.Modified()) << F.Name;
      Bean.SetModified(false);
      (Obj.*F.SetText)("value");
      EXPECT_FALSE(Bean.Modified()) << F.Name;
      (Obj.*F.SetText)("Value");
      EXPECT_TRUE(Bean.Modified()) << F.Name;
      EXPECT_EQ((Obj.*F.GetText)(), "Value") << F.Name;
    }
  }
}

TEST(BeanModel, SettersMarkTheBeanOnlyOnChange) {
  TJSBean Bean;
  CheckSetters(Bean, Bean);
  CheckSetters(*Bean.Properties().Add(), Bean);
  TMethodDescriptor* Method = Bean.Methods().Add();
  CheckSetters(*Method, Bean);
  CheckSetters(*Method->Parameters().Add(), Bean);  // a parameter marks its method's bean
  CheckSetters(*Bean.EventSets().Add(), Bean);
  CheckSetters(*Bean.Interfaces().Add(), Bean);
}

// Setters take a view, which may look into the very field they set.
TEST(BeanModel, ASetterGivenAViewOfItsOwnFieldKeepsTheBytes) {
  TJSBean Bean;
  TPropertyDescriptor& P = *Bean.Properties().Add();
  P.SetShortDescription("The long description that needs its own buffer");
  P.SetShortDescription(std::string_view(P.ShortDescription()).substr(4, 16));
  EXPECT_EQ(P.ShortDescription(), "long description");
  P.SetType("int");
  P.SetType(std::string_view(P.Type()).substr(1));
  EXPECT_EQ(P.Type(), "nt");
}

TEST(BeanModel, ItemsKnowTheirBeanAndIndex) {
  TJSBean Bean;
  TMethodDescriptor* M0 = Bean.Methods().Add();
  TMethodDescriptor* M1 = Bean.Methods().Add();
  TParameterDescriptor* P = M1->Parameters().Add();
  EXPECT_EQ(M0->Bean(), &Bean);
  EXPECT_EQ(P->Bean(), &Bean);
  EXPECT_EQ(P->Method(), M1);
  EXPECT_EQ(M1->Index(), 1);
  EXPECT_EQ(Bean.Methods().Items(1), M1);
  EXPECT_EQ(Bean.Methods().Items(2), nullptr);
  EXPECT_EQ(Bean.Methods().Items(-1), nullptr);
}

TEST(BeanModel, FreeingShiftsLaterItemsDown) {
  TJSBean Bean;
  TPropertyDescriptors& Props = Bean.Properties();
  for (const char* N : {"a", "b", "c", "d"})
    Props.Add()->SetName(N);
  Props.Items(1)->Free();
  ASSERT_EQ(Props.Count(), 3);
  EXPECT_EQ(Props.Items(1)->Name(), "c");
  EXPECT_EQ(Props.Items(1)->Index(), 1);
  EXPECT_EQ(Props.Items(2)->Index(), 2);
  Props.Delete(7);  // out of range: nothing happens
  EXPECT_EQ(Props.Count(), 3);
}

TEST(BeanModel, FreeingAMethodFreesItsParameters) {
  TJSBean Bean;
  TMethodDescriptor* M = Bean.Methods().Add();
  for (int I = 0; I < 3; ++I)
    M->Parameters().Add();
  Bean.Methods().Add()->SetName("next");
  M->Free();
  ASSERT_EQ(Bean.Methods().Count(), 1);
  EXPECT_EQ(Bean.Methods().Items(0)->Name(), "next");
  EXPECT_EQ(Bean.Methods().Items(0)->Parameters().Count(), 0);
}

TEST(BeanModel, ShowAttributesMakesTheItemCurrent) {
  TJSBean Bean;
  TRecordingView View;
  TPropertyDescriptors& Props = Bean.Properties();
  for (const char* N : {"p0", "p1", "p2", "p3"})
    Props.Add()->SetName(N);
  EXPECT_EQ(Props.ItemIndex, 0);
  Props.Items(2)->ShowAttributes(View);
  EXPECT_EQ(Props.ItemIndex, 2);
  // Removing an item does not move ItemIndex: it now designates the former fourth.
  Props.Items(0)->Free();
  EXPECT_EQ(Props.ItemIndex, 2);
  EXPECT_EQ(Props.Items(Props.ItemIndex)->Name(), "p3");
  Props.Items(2)->Free();
  Props.Items(1)->Free();
  // A stale index yields no item rather than a wrong one.
  EXPECT_EQ(Props.Items(Props.ItemIndex), nullptr);
  EXPECT_EQ(View.Log, (std::vector<std::string>{"property p2"}));
}

TEST(BeanModel, EachKindShowsItsOwnPage) {
  TJSBean Bean;
  Bean.SetName("Comp");
  TRecordingView View;
  TMethodDescriptor* M = Bean.Methods().Add();
  M->SetName("m");
  M->Parameters().Add()->SetName("x");
  M->Parameters().Add()->SetName("y");
  Bean.EventSets().Add()->SetName("e");
  Bean.Interfaces().Add()->SetName("i");
  Bean.Interfaces().Add()->SetName("j");
  Bean.ShowAttributes(View);
  M->Parameters().Items(1)->ShowAttributes(View);
  M->ShowName(View);
  Bean.Interfaces().Items(1)->ShowAttributes(View);
  Bean.EventSets().Items(0)->ShowName(View);
  Bean.ShowName(View);
  EXPECT_EQ(View.Log, (std::vector<std::string>{"bean Comp", "parameter y", "method name m",
                                                "interface j", "event name e", "bean name Comp"}));
  EXPECT_EQ(M->Parameters().ItemIndex, 1);
  EXPECT_EQ(Bean.Interfaces().ItemIndex, 1);
  EXPECT_EQ(Bean.Methods().ItemIndex, 0);  // ShowName does not move it
}
