#include "jsbreader.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "../widgets/memorypages.h"
#include "../widgets/messages.h"
#include "../widgets/textfile.h"
#include "beanfields.h"
#include "laidouttag.h"
#include "linecounter.h"
#include "tagindex.h"
#include "tagscan.h"

namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view ConstructorOpen = "<JSB_CONSTRUCTOR>";
constexpr std::string_view ConstructorClose = "</JSB_CONSTRUCTOR>";

// What reading a tag gave: whether it named its item, and the line feeds in
// it when they are known without counting.
struct TTagRead {
  bool NameRead;
  int Breaks = -1;
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
    FLaidOut.emplace(*FScanner, FFields);
  }

  // Name first (when read), then the item's other attributes: values through
  // their setters when read, flags set when present.
  TTagRead Read(T& Obj, std::string_view TagText) const {
    typename TLaidOutTags<T>::TTag Tag;
    if (FLaidOut->Cut(TagText, Tag))
      if (const auto* Reading = FLaidOut->Reading(Tag.Set))
        return {ReadCut(Obj, Tag, *Reading), Tag.Breaks};
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
    return {NameRead};
  }

 private:
  // The same for a tag cut by the layout, each name reading the value the
  // reading for its set of pieces says.
  static bool ReadCut(T& Obj, const typename TLaidOutTags<T>::TTag& Tag,
                      const typename TLaidOutTags<T>::TReading& Reading) {
    if (Reading.Name >= 0) Obj.SetName(Tag.Values[Reading.Name]);
    for (const auto& [Field, Value] : Reading.Texts)
      (Obj.*Field->SetText)(Tag.Values[Value]);
    for (const TField<T>* Flag : Reading.Flags)
      (Obj.*Flag->SetFlag)(true);
    return Reading.Name >= 0;
  }

  std::vector<const TField<T>*> FFields;  // every field but NAME
  std::optional<TAttributeScanner> FScanner;
  std::optional<TLaidOutTags<T>> FLaidOut;
};

template <class T>
TTagRead ReadItemTag(T& Obj, std::string_view TagText) {
  static const TItemAttributes<T> Attributes;
  return Attributes.Read(Obj, TagText);
}

// What the reader makes of one indexed tag: the item it becomes, numbered in
// the order of TJSBReadResult::Items.
struct TTagPlan {
  static constexpr uint32_t Unread = UINT32_MAX, DescriptorSlot = UINT32_MAX - 1;
  uint32_t Slot = Unread;
  uint32_t Parent = Unread;  // a parameter's method, by its slot
};

// The reader works in two steps over one index of the text's tags. Planning
// walks the index kind by kind, in the order the items are numbered, and
// settles which tags are read (each must end before its limit) and which
// method owns each parameter. Reading then walks the index once in text order, so line numbers
// cost one count over the text, and a text the reader owns is handed back to
// the system behind the walk: the whole text and the whole model never live
// side by side.
class TReader {
 public:
  TReader(std::string Text, const std::string& FileName)
      : FOwned(std::move(Text)), FText(FOwned), FFileName(FileName) {}
  TReader(std::string_view Text, const std::string& FileName) : FText(Text), FFileName(FileName) {}

  TJSBReadResult Run();

 private:
  void FindConstructorBlock();
  bool CheckJSBTag();
  void RemoveListeners();
  size_t FirstTag(TIndexedKind Kind) const;
  bool InBlock(size_t Pos) const { return Pos >= FBlockStart && Pos < FBlockEnd; }

  size_t TagEnd(size_t Index, size_t Limit) const;
  bool Plan(size_t Index, size_t Limit, uint32_t Slot, uint32_t Parent = TTagPlan::Unread);
  enum class TPlanned { Item, Unclosed, OverBudget };
  TPlanned PlanItem(size_t Index, size_t Limit, uint32_t Parent = TTagPlan::Unread);
  void PlanDescriptor();
  bool PlanPass(TIndexedKind Kind);
  bool PlanMethods();
  bool PlanParameters(size_t MethodIndex, size_t SectionEnd);
  size_t SectionEnd(size_t Index, size_t& Resume);

  void ReadAll();
  void ReadTag(size_t Index);
  template <class TColl>
  void AddItem(TColl& Collection, TDescriptorKind Kind, std::string_view TagText, uint32_t Slot);
  void ReadConstructor();
  void ReleaseBefore(size_t Pos);

  // Whether the budget still holds the text of the tag at Index.
  bool WithinBudget(size_t Index);
  // Places, for the result only: nothing read depends on them.
  TTagPlace PlaceOf(std::string_view TagText);
  int LineOf(size_t Pos);
  void KeepRemovedBlocks(const std::vector<TRemovedBlock>& Blocks, size_t Shift);
  void Notice(std::string Text, int Line) {
    R.Notices.push_back(std::move(Text));
    R.Places.Notices.push_back(Line);
  }
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
  bool FConstructorRead = false;
  std::vector<TIndexedTag> FTags;
  std::vector<TTagPlan> FPlans;  // one for each of FTags
  uint32_t FSlots = 0;
  size_t FCloseCursor = 0;  // no </JSB_METHOD> before this index starts a later section
  // Tags without a '>' run on into the tags after them, so their texts overlap
  // and reading them all could take hours. Past this many bytes of tag text
  // the reader stops reading tags and says so.
  size_t FBudget = 0;
  bool FBudgetSpent = false;
  size_t FReleased = 0;  // the owned text before this offset went back to the system
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
  if (!CheckJSBTag()) {
    R.Encoding = DetectEncoding(FText);
    return std::move(R);
  }
  // The walk that finds the tags also tells whether the text is all ASCII;
  // only a text that is not is checked for UTF-8 on its own. The model holds
  // UTF-8 whatever the file's encoding, and the writer applies the encoding
  // again: a Latin-1 text is converted, and its tags found again.
  bool Ascii = false;
  FTags = IndexTags(FText, &Ascii);
  R.Encoding = Ascii ? TTextEncoding::Utf8 : DetectEncoding(FText);
  if (R.Encoding == TTextEncoding::Latin1) {
    Replace(ToUtf8(FText, R.Encoding));
    FTags = IndexTags(FText);
  }
  R.Valid = true;
  R.RootCaption = "untitled";
  FBudget = 32 * FText.size() + (1u << 20);
  FindConstructorBlock();
  RemoveListeners();
  std::erase_if(FTags, [&](const TIndexedTag& T) { return InBlock(T.Start); });
  FPlans.resize(FTags.size());
  PlanDescriptor();
  PlanPass(TIndexedKind::Property) && PlanMethods() && PlanPass(TIndexedKind::Event) &&
      PlanPass(TIndexedKind::Interface);
  R.Items.resize(FSlots);
  ReadAll();
  return std::move(R);
}

bool TReader::CheckJSBTag() {
  if (FindFolded(FText, "<JSB>") != npos) return true;
  if (const size_t At = FindFolded(FText, "<JSB "); At != npos) {
    Notice(WithArguments(QCoreApplication::translate(
                             "TReader",
                             "%1 appears to be an outdated JavaScript BeanInfo file. Any "
                             "attributes contained in the <JSB> tag will be ignored."),
                         {FFileName}),
           LineOf(At));
    return true;
  }
  Notice(WithArguments(
             QCoreApplication::translate(
                 "TReader", "%1 is not a valid JavaScript BeanInfo file. No <JSB> tag found."),
             {FFileName}),
         1);
  return false;
}

// The constructor block runs from the first exact <JSB_CONSTRUCTOR> to the
// first exact </JSB_CONSTRUCTOR>, when that comes after it. Its JavaScript is
// the editor's text, not the file's: a tag written in it (in a string or a
// comment) is never read as an item, or every save would add that item again.
void TReader::FindConstructorBlock() {
  const size_t Start = FirstTag(TIndexedKind::ConstructorOpen);
  const size_t End = FirstTag(TIndexedKind::ConstructorClose);
  if (Start == npos || End == npos || End < Start + ConstructorOpen.size()) return;
  FBlockStart = Start;
  FBlockEnd = End + ConstructorClose.size();
}

size_t TReader::FirstTag(TIndexedKind Kind) const {
  for (const TIndexedTag& T : FTags)
    if (T.Kind == Kind) return T.Start;
  return npos;
}

// Listener blocks are dropped before any tag is read, so nothing inside them
// counts as a descriptor. They are looked for on either side of the
// constructor block, never in it.
void TReader::RemoveListeners() {
  constexpr std::string_view Open = "<JSB_LISTENER ", Close = "</JSB_LISTENER>";
  bool Removed = false;
  std::vector<TRemovedBlock> Blocks, AfterBlocks;
  const auto Outside = [&](const TIndexedTag& T) {
    return T.Kind == TIndexedKind::Listener && !InBlock(T.Start);
  };
  if (std::none_of(FTags.begin(), FTags.end(), Outside)) {
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
  if (!Removed) return;
  FTags = IndexTags(FText);
  Notice(WithArguments(QCoreApplication::translate(
                           "TReader",
                           "<JSB_LISTENER> tags were found in %1. These tags are not supported in "
                           "Corvane PR1 and will be ignored."),
                       {FFileName}),
         R.Places.Listeners.empty() ? 1 : R.Places.Listeners.front());
}

bool TReader::WithinBudget(size_t Index) {
  const size_t TagSize = FTags[Index].End - FTags[Index].Start + 1;
  if (!FBudgetSpent && TagSize <= FBudget) {
    FBudget -= TagSize;
    return true;
  }
  if (!FBudgetSpent)
    Notice(WithArguments(QCoreApplication::translate(
                             "TReader",
                             "%1 could not be read completely: many of its tags have no closing "
                             "\">\" and run into one another. The tags after that point were "
                             "ignored."),
                         {FFileName}),
           LineOf(FTags[Index].Start));
  FBudgetSpent = true;
  return false;
}

// The '>' of the tag at Index, which must lie before Limit; npos when there
// is none.
size_t TReader::TagEnd(size_t Index, size_t Limit) const {
  const size_t End = FTags[Index].End;
  return End < Limit ? End : npos;
}

// Plans the tag at Index, when it has a '>' before Limit. A tag without one
// ends its pass unread.
bool TReader::Plan(size_t Index, size_t Limit, uint32_t Slot, uint32_t Parent) {
  if (TagEnd(Index, Limit) == npos) return false;
  FPlans[Index] = {Slot, Parent};
  return true;
}

// Plans the tag at Index as the next item, when it is closed before Limit
// and the budget still holds its text.
TReader::TPlanned TReader::PlanItem(size_t Index, size_t Limit, uint32_t Parent) {
  if (!Plan(Index, Limit, FSlots, Parent)) return TPlanned::Unclosed;
  if (!WithinBudget(Index)) {
    FPlans[Index] = {};
    return TPlanned::OverBudget;
  }
  ++FSlots;
  return TPlanned::Item;
}

// Only the first descriptor tag counts, and only when it is closed.
void TReader::PlanDescriptor() {
  for (size_t I = 0; I < FTags.size(); ++I)
    if (FTags[I].Kind == TIndexedKind::Descriptor) {
      Plan(I, FText.size(), TTagPlan::DescriptorSlot);
      return;
    }
}

// Every tag of Kind in turn, up to the first without a '>'. False when the
// budget ran out, which ends every pass after this one too.
bool TReader::PlanPass(TIndexedKind Kind) {
  for (size_t I = 0; I < FTags.size(); ++I) {
    if (FTags[I].Kind != Kind) continue;
    if (const TPlanned P = PlanItem(I, FText.size()); P != TPlanned::Item)
      return P == TPlanned::Unclosed;
  }
  return true;
}

// A method's section runs from its tag to the first exact </JSB_METHOD> after
// it. A method that has none ends where the next method tag begins, or with
// the text, and the pass resumes there, so every method tag is read once and
// a method tag inside another method's section is not read.
size_t TReader::SectionEnd(size_t Index, size_t& Resume) {
  constexpr size_t CloseSize = std::string_view("</JSB_METHOD>").size();
  // Sections start in ascending order, so the cursor only moves on.
  while (FCloseCursor < FTags.size() && (FTags[FCloseCursor].Kind != TIndexedKind::MethodClose ||
                                         FTags[FCloseCursor].Start < FTags[Index].Start))
    ++FCloseCursor;
  if (FCloseCursor < FTags.size()) {
    Resume = FTags[FCloseCursor].Start + CloseSize;
    return FTags[FCloseCursor].Start;
  }
  Resume = FText.size();
  for (size_t J = Index + 1; J < FTags.size(); ++J)
    if (FTags[J].Kind == TIndexedKind::Method) {
      Resume = FTags[J].Start;
      break;
    }
  return Resume;
}

bool TReader::PlanMethods() {
  size_t From = 0;
  for (size_t I = 0; I < FTags.size(); ++I) {
    if (FTags[I].Kind != TIndexedKind::Method || FTags[I].Start < From) continue;
    if (const TPlanned P = PlanItem(I, FText.size()); P != TPlanned::Item)
      return P == TPlanned::Unclosed;
    size_t Resume = 0;
    if (!PlanParameters(I, SectionEnd(I, Resume))) return false;
    From = Resume;
  }
  return true;
}

// The parameters that start in the method's section, up to the first whose
// '>' is not in it.
bool TReader::PlanParameters(size_t MethodIndex, size_t SectionEnd) {
  const uint32_t Method = FPlans[MethodIndex].Slot;
  for (size_t J = MethodIndex + 1; J < FTags.size() && FTags[J].Start < SectionEnd; ++J) {
    if (FTags[J].Kind != TIndexedKind::Parameter) continue;
    if (const TPlanned P = PlanItem(J, SectionEnd, Method); P != TPlanned::Item)
      return P == TPlanned::Unclosed;
  }
  return true;
}

void TReader::ReadAll() {
  for (size_t I = 0; I < FTags.size(); ++I) {
    if (FPlans[I].Slot == TTagPlan::Unread) continue;
    const size_t Start = FTags[I].Start;
    if (!FConstructorRead && Start > FBlockStart) ReadConstructor();  // npos: no block
    ReadTag(I);
    ReleaseBefore(Start);
  }
  if (!FConstructorRead && FBlockStart != npos) ReadConstructor();
}

void TReader::ReadTag(size_t Index) {
  const TTagPlan& P = FPlans[Index];
  const size_t Start = FTags[Index].Start;
  const std::string_view TagText = FText.substr(Start, FTags[Index].End - Start + 1);
  TJSBean& Bean = *R.Bean;
  switch (FTags[Index].Kind) {
    case TIndexedKind::Descriptor: {
      const bool NameRead = ReadItemTag(Bean, TagText).NameRead;
      R.Places.Descriptor = PlaceOf(TagText);
      R.RootCaption = NameRead ? Bean.Name() : std::string();
      break;
    }
    case TIndexedKind::Property:
      return AddItem(Bean.Properties(), dkProperty, TagText, P.Slot);
    case TIndexedKind::Method:
      return AddItem(Bean.Methods(), dkMethod, TagText, P.Slot);
    case TIndexedKind::Parameter: {
      auto* Method = static_cast<TMethodDescriptor*>(R.Items[P.Parent].Item);
      return AddItem(Method->Parameters(), dkParameter, TagText, P.Slot);
    }
    case TIndexedKind::Event:
      return AddItem(Bean.EventSets(), dkEvent, TagText, P.Slot);
    case TIndexedKind::Interface:
      return AddItem(Bean.Interfaces(), dkInterface, TagText, P.Slot);
    case TIndexedKind::MethodClose:
    case TIndexedKind::ConstructorOpen:
    case TIndexedKind::ConstructorClose:
    case TIndexedKind::Listener:
      break;  // never planned
  }
}

template <class TColl>
void TReader::AddItem(TColl& Collection, TDescriptorKind Kind, std::string_view TagText,
                      uint32_t Slot) {
  auto* Item = Collection.Add();
  const TTagRead Read = ReadItemTag(*Item, TagText);
  if (!Read.NameRead) Item->SetName("Untitled");
  R.Items[Slot] = {Item, PlaceOf(TagText), Kind, Read.NameRead};
  if (Read.Breaks >= 0)
    FLines.Skip(R.Items[Slot].Place.Start, R.Items[Slot].Place.End, Read.Breaks);
}

// The writer closes the block with a blank line and the closing tag's indent;
// that trailer is layout, not source, so it is dropped again here and a file
// keeps its constructor byte for byte however often it is opened and saved.
void TReader::ReadConstructor() {
  constexpr std::string_view Lead = "\r\n", Trailer = "\r\n\r\n   ";
  FConstructorRead = true;
  const size_t Start = FBlockStart + ConstructorOpen.size();
  std::string_view Body = FText.substr(Start, FBlockEnd - ConstructorClose.size() - Start);
  if (Body.starts_with(Lead)) Body.remove_prefix(Lead.size());
  if (Body.ends_with(Trailer)) Body.remove_suffix(Trailer.size());
  R.Constructor.assign(Body);
  R.Places.Constructor = LineOf(static_cast<size_t>(Body.data() - FText.data()));
}

// The text before Pos is read, its lines counted, and no tag still to be read
// starts in it: when it is the reader's own, its memory goes back now, up to
// a boundary of large pages. A file's text is loaded into large pages where
// the system offers them; giving back part of one would split it into small
// ones, each far dearer to give back.
void TReader::ReleaseBefore(size_t Pos) {
  constexpr uintptr_t Large = uintptr_t(2) << 20;
  if (FOwned.empty() || FText.data() != FOwned.data()) return;
  const auto Base = reinterpret_cast<uintptr_t>(FOwned.data());
  const uintptr_t Upto = ((Base + Pos) & ~(Large - 1)) - Base;
  if (Upto <= FReleased || Upto > Pos) return;  // no boundary passed since, or none yet
  ReleasePages(FOwned.data() + FReleased, FOwned.data() + Upto);
  FReleased = Upto;
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
  if (FRemovedAt.empty()) return FLines.LineAt(FText, Pos);
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
