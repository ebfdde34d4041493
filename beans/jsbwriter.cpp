#include "jsbwriter.h"

#include <optional>
#include <vector>

#include "../widgets/textfile.h"
#include "../widgets/textutils.h"
#include "beanfields.h"

namespace {

constexpr std::string_view CRLF = "\r\n";

// How one kind of tag is laid out: NAME and at most one more attribute on the
// tag line, every other attribute on a line of its own, lined up under NAME.
template <class T>
struct TLayout {
  std::string TagLine;       // indent, tag name and one blank
  std::string Continuation;  // indent of the continuation lines
  std::vector<const TField<T>*> FirstLine;
  std::vector<const TField<T>*> Lines;
  bool BlankLineAfter;
};

template <class T>
TLayout<T> MakeLayout(std::string_view Tag, int Indent, std::initializer_list<const char*> First,
                      std::initializer_list<const char*> Lines, bool BlankLineAfter = true) {
  TLayout<T> L{Spaces(Indent) + std::string(Tag) + " ",
               Spaces(Indent + static_cast<int>(Tag.size()) + 1),
               {},
               {},
               BlankLineAfter};
  for (const char* A : First)
    L.FirstLine.push_back(FieldByAttribute<T>(A));
  for (const char* A : Lines)
    L.Lines.push_back(FieldByAttribute<T>(A));
  return L;
}

void AppendQuoted(std::string& Out, const char* Attribute, const std::string& Value) {
  Out += Attribute;
  Out += "=\"";
  Out += Value;
  Out += '"';
}

template <class T>
void AppendTag(std::string& Out, const T& Obj, const TLayout<T>& L) {
  Out += L.TagLine;
  AppendQuoted(Out, "NAME", Obj.Name());
  for (const TField<T>* F : L.FirstLine) {
    const std::string& Value = (Obj.*F->GetText)();
    if (Value.empty()) continue;
    Out += ' ';
    AppendQuoted(Out, F->Attribute, Value);
  }
  Out += CRLF;
  for (const TField<T>* F : L.Lines) {
    if (F->IsFlag()) {
      if (!(Obj.*F->GetFlag)()) continue;
      Out += L.Continuation;
      Out += F->Attribute;
    } else {
      const std::string& Value = (Obj.*F->GetText)();
      if (Value.empty()) continue;
      Out += L.Continuation;
      AppendQuoted(Out, F->Attribute, Value);
    }
    Out += CRLF;
  }
  Out.resize(Out.size() - CRLF.size());
  Out += ">\r\n";
  if (L.BlankLineAfter) Out += CRLF;
}

struct TLayouts {
  TLayout<TJSBean> Descriptor =
      MakeLayout<TJSBean>("<JSB_DESCRIPTOR", 3, {"ENV"},
                          {"DISPLAYNAME", "SHORTDESCRIPTION", "CUSTOMIZER", "ISJAVA", "ISHIDDEN"});
  TLayout<TPropertyDescriptor> Property = MakeLayout<TPropertyDescriptor>(
      "<JSB_PROPERTY", 3, {"TYPE"},
      {"PROPTYPE", "DISPLAYNAME", "SHORTDESCRIPTION", "EVENTMODEL", "ENV", "VALUESET",
       "PROPERTYEDITOR", "READMETHOD", "WRITEMETHOD", "ISDEFAULT", "ISBOUND", "ISRUNTIME"});
  TLayout<TMethodDescriptor> Method = MakeLayout<TMethodDescriptor>(
      "<JSB_METHOD", 3, {"TYPE"}, {"ENV", "DISPLAYNAME", "SHORTDESCRIPTION"}, false);
  TLayout<TParameterDescriptor> Parameter = MakeLayout<TParameterDescriptor>(
      "<JSB_PARAMETER", 6, {"TYPE"}, {"VALUESET", "DISPLAYNAME", "SHORTDESCRIPTION"}, false);
  TLayout<TEventSetDescriptor> Event = MakeLayout<TEventSetDescriptor>(
      "<JSB_EVENT", 3, {"EVENTMODEL"},
      {"DISPLAYNAME", "SHORTDESCRIPTION", "LISTENERTYPE", "LISTENERMETHODS", "ADDLISTENERMETHOD",
       "REMOVELISTENERMETHOD", "ISDEFAULT"});
  TLayout<TJSInterface> Interface =
      MakeLayout<TJSInterface>("<JSB_INTERFACE", 3, {}, {"DISPLAYNAME", "SHORTDESCRIPTION"});
};

const TLayouts& Layouts() {
  static const TLayouts Instance;
  return Instance;
}

// Where the text goes: all of it into Text, or, with a File, into the file
// in blocks, so that a large bean never needs its whole text in memory.
struct TTextOut {
  std::string Text;
  TTextFileWriter* File = nullptr;

  static constexpr std::size_t kBlock = 256 * 1024;

  void Pass() {
    if (File && Text.size() >= kBlock) Hand();
  }
  void Large(std::string_view Part) {
    if (!File) {
      Text += Part;
      return;
    }
    Hand();
    File->Write(Part);
  }
  void Hand() {
    File->Write(Text);
    Text.clear();
  }
};

template <class TCollectionType, class TItem>
void AppendAll(TTextOut& Out, const TCollectionType& Items, const TLayout<TItem>& L) {
  for (int I = 0; I < Items.Count(); ++I) {
    AppendTag(Out.Text, *Items.Items(I), L);
    Out.Pass();
  }
}

// An upper bound of the text one object takes: its values, and for every
// field its name, quotes and the deepest indent with a line break.
template <class T>
size_t SizeOf(const T& Obj) {
  size_t Size = 48;
  for (const TField<T>& F : FieldsOf<T>())
    Size += 48 + (F.IsFlag() ? 0 : (Obj.*F.GetText)().size());
  return Size;
}

template <class TCollectionType>
size_t SizeOfAll(const TCollectionType& Items) {
  size_t Size = 0;
  for (int I = 0; I < Items.Count(); ++I)
    Size += SizeOf(*Items.Items(I));
  return Size;
}

size_t SizeOfText(const TJSBean& Bean, std::string_view Constructor) {
  size_t Size = 256 + Constructor.size() + SizeOf(Bean) + SizeOfAll(Bean.Properties()) +
                SizeOfAll(Bean.EventSets()) + SizeOfAll(Bean.Interfaces());
  for (int I = 0; I < Bean.Methods().Count(); ++I) {
    const TMethodDescriptor& Method = *Bean.Methods().Items(I);
    Size += 24 + SizeOf(Method) + SizeOfAll(Method.Parameters());
  }
  return Size;
}

}  // namespace

namespace {

void WriteText(TTextOut& Out, const TJSBean& Bean, std::string_view Constructor) {
  const TLayouts& L = Layouts();
  Out.Text += "<JSB>\r\n";
  AppendTag(Out.Text, Bean, L.Descriptor);
  AppendAll(Out, Bean.Properties(), L.Property);
  for (int I = 0; I < Bean.Methods().Count(); ++I) {
    const TMethodDescriptor& Method = *Bean.Methods().Items(I);
    AppendTag(Out.Text, Method, L.Method);
    AppendAll(Out, Method.Parameters(), L.Parameter);
    Out.Text += "   </JSB_METHOD>\r\n\r\n";
    Out.Pass();
  }
  AppendAll(Out, Bean.EventSets(), L.Event);
  AppendAll(Out, Bean.Interfaces(), L.Interface);
  Out.Text += "   <JSB_CONSTRUCTOR>\r\n";
  Out.Large(Constructor);
  Out.Text += "\r\n\r\n   </JSB_CONSTRUCTOR>\r\n\r\n</JSB>";
}

}  // namespace

std::string WriteJSBText(const TJSBean& Bean, std::string_view Constructor) {
  TTextOut Out;
  Out.Text.reserve(SizeOfText(Bean, Constructor));
  WriteText(Out, Bean, Constructor);
  return std::move(Out.Text);
}

std::string EncodeJSBText(std::string Text, TTextEncoding Encoding) {
  if (Encoding == TTextEncoding::Utf8) return Text;
  std::optional<std::string> Encoded = FromUtf8(Text, Encoding);
  return Encoded ? std::move(*Encoded) : Text;
}

std::string ReopenedJSBText(const TJSBean& Bean, std::string_view Constructor,
                            TTextEncoding Encoding) {
  return NormaliseLineBreaks(EncodeJSBText(WriteJSBText(Bean, Constructor), Encoding));
}

// A UTF-8 text goes to the file in blocks as it is made, through one buffer
// sized once. Another encoding is applied to the whole text, since whether
// Latin-1 can hold it is known only at its end.
void WriteJSBFile(const std::string& FileName, const TJSBean& Bean, std::string_view Constructor,
                  TTextEncoding Encoding) {
  if (Encoding != TTextEncoding::Utf8) {
    SaveTextFile(FileName, EncodeJSBText(WriteJSBText(Bean, Constructor), Encoding));
    return;
  }
  TTextFileWriter File(FileName);
  TTextOut Out;
  Out.File = &File;
  Out.Text.reserve(2 * TTextOut::kBlock);
  WriteText(Out, Bean, Constructor);
  Out.Hand();
  File.Commit();
}
