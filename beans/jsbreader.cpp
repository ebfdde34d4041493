#include "jsbreader.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "../widgets/textfile.h"
#include "beanfields.h"
#include "linecounter.h"
#include "tagscan.h"

namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view ConstructorOpen = "<JSB_CONSTRUCTOR>";
constexpr std::string_view ConstructorClose = "</JSB_CONSTRUCTOR>";

// One tag found in the text: its absolute start and its text up to the '>'.
struct TFoundTag {
  size_t Start = npos;
  std::string_view Text;
  explicit operator bool() const { return Start != npos; }
};

// The names of T's attributes, NAME first, in a scanner built once.
template <class T>
class TItemAttributes {
 public:
  TItemAttributes() {
    std::vector<std::string_view> Names{"NAME"};
    for (const TField<T>& F : FieldsOf<T>())
      if (std::string_view(F.Attribute) != "NAME") {
        Names.push_back(F.Attribute);
        FFields.push_back(&F);
      }
    FScanner.emplace(Names);
  }

  // Name first (when read), then the item's other attributes: values through
  // their setters when read, flags set when present.
  bool Read(T& Obj, std::string_view TagText) const {
    size_t Positions[TAttributeScanner::MaxNames];
    FScanner->Scan(TagText, Positions);
    std::string Value;
    const bool NameRead = AttributeValueAt(TagText, Positions[0], Value);
    if (NameRead) Obj.SetName(Value);
    for (size_t I = 0; I < FFields.size(); ++I) {
      const TField<T>& F = *FFields[I];
      const size_t At = Positions[I + 1];
      if (F.IsFlag()) {
        if (At != 0) (Obj.*F.SetFlag)(true);
      } else if (AttributeValueAt(TagText, At, Value)) {
        (Obj.*F.SetText)(Value);
      }
    }
    return NameRead;
  }

 private:
  std::vector<const TField<T>*> FFields;  // every field but NAME
  std::optional<TAttributeScanner> FScanner;
};

template <class T>
bool ReadItemTag(T& Obj, std::string_view TagText) {
  static const TItemAttributes<T> Attributes;
  return Attributes.Read(Obj, TagText);
}

class TReader {
 public:
  TReader(std::string Text, const std::string& FileName)
      : FOwned(std::move(Text)), FText(FOwned), FFileName(FileName) {}
  TReader(std::string_view Text, const std::string& FileName) : FText(Text), FFileName(FileName) {}

  TJSBReadResult Run();

 private:
  template <class TColl>
  auto* AddItem(TColl& Collection, TDescriptorKind Kind, std::string_view TagText);
  void FindConstructorBlock();
  bool InBlock(size_t Pos) const { return Pos >= FBlockStart && Pos < FBlockEnd; }
  TFoundTag NextTag(size_t From, size_t Limit, std::string_view TagStart) const;
  TFoundTag NextOutside(size_t From, size_t Limit, std::string_view TagStart) const;
  size_t FindOutside(std::string_view Pattern, size_t From, bool Folded) const;
  bool CheckJSBTag();
  void RemoveListeners();
  void ReadDescriptor();
  template <class TColl>
  void ReadPass(TColl& Collection, TDescriptorKind Kind, std::string_view TagStart);
  void ReadMethods();
  size_t SectionEnd(size_t TagStart, size_t& Resume);
  void ReadConstructor();

  bool WithinBudget(std::string_view TagText);
  // Places, for the result only: nothing read depends on them.
  TTagPlace PlaceOf(std::string_view TagText);
  int LineOf(size_t Pos);
  void KeepRemovedBlocks(const std::vector<TRemovedBlock>& Blocks, size_t Shift);
  void Notice(std::string Text) { R.Notices.push_back(std::move(Text)); }
  // The text from now on: the reader's own, changed.
  void Replace(std::string Text) {
    FOwned = std::move(Text);
    FText = FOwned;
  }

  // The text read: FOwned, or the caller's text until the reader changes it.
  std::string FOwned;
  std::string_view FText;
  const std::string& FFileName;
  TJSBReadResult R;
  // The constructor block, from its opening tag to the end of its closing
  // tag; empty (npos) when the file has none.
  size_t FBlockStart = npos, FBlockEnd = npos;
  size_t FNextClose = 0;  // first </JSB_METHOD> at or after the last section start
  bool FNextCloseKnown = false;
  // Tags without a '>' run on into the tags after them, so their texts overlap
  // and reading them all could take hours. Past this many bytes of tag text
  // the reader stops reading tags and says so.
  size_t FBudget = 0;
  bool FBudgetSpent = false;
  // The listener blocks removed, at their offsets in FText, with the line
  // breaks each held and all before it held.
  std::vector<size_t> FRemovedAt;
  std::vector<int> FBreaksUpTo;
  TLineCounter FLines;
};

static_assert(sizeof(TReadItem) == 32);

TJSBReadResult TReader::Run() {
  R.Bean = std::make_unique<TJSBean>();
  R.Bean->SetName("untitled");
  R.Encoding = DetectEncoding(FText);
  // The model holds UTF-8 whatever the file's encoding; the writer applies the
  // encoding again. Tags are ASCII, so every offset below reads the same.
  if (R.Encoding == TTextEncoding::Latin1) Replace(ToUtf8(FText, R.Encoding));
  if (!CheckJSBTag()) return std::move(R);
  R.Valid = true;
  R.RootCaption = "untitled";
  FBudget = 32 * FText.size() + (1u << 20);
  FindConstructorBlock();
  RemoveListeners();
  ReadDescriptor();
  TJSBean& Bean = *R.Bean;
  ReadPass(Bean.Properties(), dkProperty, "<JSB_PROPERTY");
  ReadMethods();
  ReadPass(Bean.EventSets(), dkEvent, "<JSB_EVENT");
  ReadPass(Bean.Interfaces(), dkInterface, "<JSB_INTERFACE");
  ReadConstructor();
  return std::move(R);
}

bool TReader::CheckJSBTag() {
  if (FindFolded(FText, "<JSB>") != npos) return true;
  if (FindFolded(FText, "<JSB ") != npos) {
    Notice(FFileName +
           " appears to be an outdated JavaScript BeanInfo file. Any attributes contained "
           "in the <JSB> tag will be ignored.");
    return true;
  }
  Notice(FFileName + " is not a valid JavaScript BeanInfo file. No <JSB> tag found.");
  return false;
}

// The constructor block runs from the first exact <JSB_CONSTRUCTOR> to the
// first exact </JSB_CONSTRUCTOR>, when that comes after it. Its JavaScript is
// the editor's text, not the file's: a tag written in it (in a string or a
// comment) is never read as an item, or every save would add that item again.
void TReader::FindConstructorBlock() {
  const size_t Start = FText.find(ConstructorOpen);
  const size_t End = FText.find(ConstructorClose);
  if (Start == npos || End == npos || End < Start + ConstructorOpen.size()) return;
  FBlockStart = Start;
  FBlockEnd = End + ConstructorClose.size();
}

// The first tag at or after From that starts with TagStart and whose '>' lies
// before Limit. A tag without a '>' before Limit ends the pass, unread.
TFoundTag TReader::NextTag(size_t From, size_t Limit, std::string_view TagStart) const {
  const size_t Start = FindFolded(std::string_view(FText).substr(0, Limit), TagStart, From);
  if (Start == npos) return {};
  const std::string_view Scope = std::string_view(FText).substr(0, Limit);
  const size_t End = Scope.find('>', Start);
  if (End == npos) return {};
  return {Start, Scope.substr(Start, End - Start + 1)};
}

// A tag of TagStart at or after From that does not start in the constructor
// block.
TFoundTag TReader::NextOutside(size_t From, size_t Limit, std::string_view TagStart) const {
  const TFoundTag Tag = NextTag(From, Limit, TagStart);
  if (!Tag || !InBlock(Tag.Start)) return Tag;
  return NextTag(FBlockEnd, Limit, TagStart);
}

size_t TReader::FindOutside(std::string_view Pattern, size_t From, bool Folded) const {
  const auto Find = [&](size_t At) {
    return Folded ? FindFolded(FText, Pattern, At) : FText.find(Pattern, At);
  };
  const size_t Found = Find(From);
  return Found != npos && InBlock(Found) ? Find(FBlockEnd) : Found;
}

// Listener blocks are dropped before any tag is read, so nothing inside them
// counts as a descriptor. They are looked for on either side of the
// constructor block, never in it.
void TReader::RemoveListeners() {
  constexpr std::string_view Open = "<JSB_LISTENER ", Close = "</JSB_LISTENER>";
  bool Removed = false;
  std::vector<TRemovedBlock> Blocks, AfterBlocks;
  if (FindOutside(Open, 0, true) == npos) {
    // Nothing to remove: the text is not copied.
  } else if (FBlockStart == npos) {
    std::string Text = FText.data() == FOwned.data() ? std::move(FOwned) : std::string(FText);
    Removed = RemoveTagBlocks(Text, Open, Close, &Blocks);
    Replace(std::move(Text));
  } else {
    std::string Before(FText.substr(0, FBlockStart)), After(FText.substr(FBlockEnd));
    Removed = RemoveTagBlocks(Before, Open, Close, &Blocks);
    Removed = RemoveTagBlocks(After, Open, Close, &AfterBlocks) || Removed;
    if (Removed) {
      const size_t Length = FBlockEnd - FBlockStart;
      Replace(Before + std::string(FText.substr(FBlockStart, Length)) + After);
      FBlockStart = Before.size();
      FBlockEnd = FBlockStart + Length;
    }
  }
  KeepRemovedBlocks(Blocks, 0);
  KeepRemovedBlocks(AfterBlocks, FBlockEnd);
  if (Removed)
    Notice("<JSB_LISTENER> tags were found in " + FFileName +
           ". These tags are not supported in Corvane PR1 and will be ignored.");
}

// Only the first descriptor tag counts.
void TReader::ReadDescriptor() {
  const TFoundTag Tag = NextOutside(0, FText.size(), "<JSB_DESCRIPTOR");
  if (!Tag) return;
  const bool NameRead = ReadItemTag(*R.Bean, Tag.Text);
  R.Places.Descriptor = PlaceOf(Tag.Text);
  R.RootCaption = NameRead ? R.Bean->Name() : std::string();
}

template <class TColl>
auto* TReader::AddItem(TColl& Collection, TDescriptorKind Kind, std::string_view TagText) {
  auto* Item = Collection.Add();
  Item->SetName("Untitled");
  const bool NameRead = ReadItemTag(*Item, TagText);
  R.Items.push_back({Item, PlaceOf(TagText), Kind, NameRead});
  return Item;
}

bool TReader::WithinBudget(std::string_view TagText) {
  if (!FBudgetSpent && TagText.size() <= FBudget) {
    FBudget -= TagText.size();
    return true;
  }
  if (!FBudgetSpent)
    Notice(FFileName +
           " could not be read completely: many of its tags have no closing \">\" and "
           "run into one another. The tags after that point were ignored.");
  FBudgetSpent = true;
  return false;
}

template <class TColl>
void TReader::ReadPass(TColl& Collection, TDescriptorKind Kind, std::string_view TagStart) {
  size_t From = 0;
  while (const TFoundTag Tag = NextOutside(From, FText.size(), TagStart)) {
    if (!WithinBudget(Tag.Text)) return;
    AddItem(Collection, Kind, Tag.Text);
    From = Tag.Start + TagStart.size();
  }
}

// A method's section runs from its tag to the first exact </JSB_METHOD> after
// it. A method that has none ends where the next method tag begins, or with
// the text, and the pass resumes there, so every method tag is read once.
size_t TReader::SectionEnd(size_t TagStart, size_t& Resume) {
  constexpr std::string_view Close = "</JSB_METHOD>", Open = "<JSB_METHOD";
  // Sections start in ascending order, so a close found earlier is still the
  // first one after this start unless this start lies beyond it.
  if (!FNextCloseKnown || (FNextClose != npos && FNextClose < TagStart)) {
    FNextClose = FindOutside(Close, TagStart, false);
    FNextCloseKnown = true;
  }
  const size_t End = FNextClose;
  if (End != npos) {
    Resume = End + Close.size();
    return End;
  }
  const size_t Next = FindOutside(Open, TagStart + Open.size(), true);
  Resume = Next == npos ? FText.size() : Next;
  return Resume;
}

void TReader::ReadMethods() {
  constexpr std::string_view MethodTag = "<JSB_METHOD", ParameterTag = "<JSB_PARAMETER";
  size_t From = 0;
  while (const TFoundTag Tag = NextOutside(From, FText.size(), MethodTag)) {
    if (!WithinBudget(Tag.Text)) return;
    size_t Resume = 0;
    const size_t End = SectionEnd(Tag.Start, Resume);
    TMethodDescriptor* Method = AddItem(R.Bean->Methods(), dkMethod, Tag.Text);
    size_t ParamFrom = Tag.Start;
    while (const TFoundTag Param = NextOutside(ParamFrom, End, ParameterTag)) {
      if (!WithinBudget(Param.Text)) return;
      AddItem(Method->Parameters(), dkParameter, Param.Text);
      ParamFrom = Param.Start + ParameterTag.size();
    }
    From = Resume;
  }
}

// The writer closes the block with a blank line and the closing tag's indent;
// that trailer is layout, not source, so it is dropped again here and a file
// keeps its constructor byte for byte however often it is opened and saved.
void TReader::ReadConstructor() {
  constexpr std::string_view Lead = "\r\n", Trailer = "\r\n\r\n   ";
  if (FBlockStart == npos) return;
  const size_t Start = FBlockStart + ConstructorOpen.size();
  std::string_view Body =
      std::string_view(FText).substr(Start, FBlockEnd - ConstructorClose.size() - Start);
  if (Body.starts_with(Lead)) Body.remove_prefix(Lead.size());
  if (Body.ends_with(Trailer)) Body.remove_suffix(Trailer.size());
  R.Constructor.assign(Body);
  R.Places.Constructor = LineOf(static_cast<size_t>(Body.data() - FText.data()));
}

void TReader::KeepRemovedBlocks(const std::vector<TRemovedBlock>& Blocks, size_t Shift) {
  for (const TRemovedBlock& Block : Blocks) {
    const int Before = FBreaksUpTo.empty() ? 0 : FBreaksUpTo.back();
    FRemovedAt.push_back(Block.At + Shift);
    FBreaksUpTo.push_back(Before + static_cast<int>(Block.Breaks));
    R.Places.Listeners.push_back(FLines.LineAt(FText, Block.At + Shift) + Before);
  }
}

// The line in the text given: lines in FText, and those of the listener
// blocks removed before Pos.
int TReader::LineOf(size_t Pos) {
  const auto Blocks = std::upper_bound(FRemovedAt.begin(), FRemovedAt.end(), Pos);
  const int Removed = Blocks == FRemovedAt.begin()
                          ? 0
                          : FBreaksUpTo[static_cast<size_t>(Blocks - FRemovedAt.begin() - 1)];
  return FLines.LineAt(FText, Pos) + Removed;
}

TTagPlace TReader::PlaceOf(std::string_view TagText) {
  const auto Start = static_cast<size_t>(TagText.data() - FText.data());
  return {Start, Start + TagText.size(), LineOf(Start)};
}

}  // namespace

TJSBReadResult ReadJSBText(std::string Text, const std::string& FileName) {
  return TReader(std::move(Text), FileName).Run();
}

TJSBReadResult ReadJSBTextView(std::string_view Text, const std::string& FileName) {
  return TReader(Text, FileName).Run();
}

TJSBReadResult ReadJSBFile(const std::string& FileName) {
  return ReadJSBText(LoadTextFile(FileName), FileName);
}
