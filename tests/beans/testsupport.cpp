#include "testsupport.h"

#include "beans/beanfields.h"
#include "widgets/textfile.h"

std::string CrLf(const std::vector<std::string>& Lines) {
  std::string Out;
  for (const std::string& L : Lines)
    Out += L + "\r\n";
  return Out;
}

TRead Read(const std::string& Text, const std::string& FileName) {
  TRead R{ReadJSBText(NormaliseLineBreaks(Text), FileName), {}};
  R.Notices = R.Result.Notices;
  return R;
}

namespace {

template <class T>
void DescribeFields(std::string& Out, const std::string& Prefix, const T& Obj) {
  for (const TField<T>& F : FieldsOf<T>()) {
    Out += Prefix + F.Name + "=";
    Out += F.IsFlag() ? ((Obj.*F.GetFlag)() ? "true" : "false") : "[" + (Obj.*F.GetText)() + "]";
    Out += "\n";
  }
}

template <class TColl>
void DescribeAll(std::string& Out, const std::string& Kind, const TColl& Items) {
  for (int I = 0; I < Items.Count(); ++I)
    DescribeFields(Out, Kind + std::to_string(I) + ".", *Items.Items(I));
}

}  // namespace

std::string Describe(const TJSBean& Bean) {
  std::string Out;
  DescribeFields(Out, "bean.", Bean);
  DescribeAll(Out, "property", Bean.Properties());
  for (int I = 0; I < Bean.Methods().Count(); ++I) {
    const std::string Prefix = "method" + std::to_string(I);
    DescribeFields(Out, Prefix + ".", *Bean.Methods().Items(I));
    DescribeAll(Out, Prefix + ".parameter", Bean.Methods().Items(I)->Parameters());
  }
  DescribeAll(Out, "event", Bean.EventSets());
  DescribeAll(Out, "interface", Bean.Interfaces());
  return Out;
}
