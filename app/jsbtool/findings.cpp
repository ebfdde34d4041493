#include "findings.h"

#include <algorithm>
#include <array>

#include "beans/tagscan.h"

namespace {

constexpr std::array<const char*, 5> KindNames = {"property", "event", "method", "parameter",
                                                  "interface"};  // by TDescriptorKind
constexpr std::array<const char*, 7> ReadTags = {
    "<JSB_DESCRIPTOR", "<JSB_PROPERTY",  "<JSB_METHOD",   "<JSB_PARAMETER",
    "<JSB_EVENT",      "<JSB_INTERFACE", "<JSB_LISTENER "};

// One tag the reader read: the descriptor or an item.
struct TReadTag {
  TTagPlace Place;
  std::string Kind;
  bool NameRead;
};

std::vector<TReadTag> ReadTagsOf(const TJSBReadResult& Read) {
  std::vector<TReadTag> Tags;
  if (Read.Places.Descriptor.Line)
    Tags.push_back({Read.Places.Descriptor, "descriptor",
                    !(Read.RootCaption.empty() && Read.Bean->Name() == "untitled")});
  for (const TReadItem& Item : Read.Items)
    Tags.push_back({Item.Place, KindNames[static_cast<size_t>(Item.Kind)], Item.NameRead});
  std::sort(Tags.begin(), Tags.end(),
            [](const TReadTag& A, const TReadTag& B) { return A.Place.Start < B.Place.Start; });
  return Tags;
}

std::string Article(const std::string& Kind) {
  return Kind[0] == 'e' || Kind[0] == 'i' ? "an" : "a";
}

// A tag that begins inside the text of an earlier one is read as well as the
// tag around it: in a value, a save writes it twice; after a tag without its
// '>', the outer tag may have taken its attributes.
void TagsInValues(const std::vector<TReadTag>& Tags, std::vector<TFinding>& Out) {
  const TReadTag* Widest = nullptr;  // the tag read so far that reaches furthest
  for (const TReadTag& Tag : Tags) {
    if (Widest && Tag.Place.Start > Widest->Place.Start && Tag.Place.Start < Widest->Place.End)
      Out.push_back({Tag.Place.Line, "tag-in-value",
                     Article(Tag.Kind) + " " + Tag.Kind + " tag begins inside the " + Widest->Kind +
                         " tag of line " + std::to_string(Widest->Place.Line) +
                         " and is read as an item of its own",
                     Tag.Place.Start});
    if (!Widest || Tag.Place.End > Widest->Place.End) Widest = &Tag;
  }
}

void ItemsWithoutName(const std::vector<TReadTag>& Tags, std::vector<TFinding>& Out) {
  for (const TReadTag& Tag : Tags)
    if (!Tag.NameRead)
      Out.push_back({Tag.Place.Line, "no-name",
                     "the " + Tag.Kind + " tag has no NAME; a save writes the name " +
                         (Tag.Kind == "descriptor" ? "\"untitled\"" : "\"Untitled\""),
                     Tag.Place.Start});
}

// The constructor is kept as it stands, so tags in it are never read.
void TagsInConstructor(const TJSBReadResult& Read, std::vector<TFinding>& Out) {
  const std::string& Text = Read.Constructor;
  for (const char* Tag : ReadTags) {
    const std::string_view Name = std::string_view(Tag).substr(0, std::string_view(Tag).find(' '));
    for (size_t At = FindFolded(Text, Name); At != std::string::npos;
         At = FindFolded(Text, Name, At + 1)) {
      const int Line = Read.Places.Constructor +
                       static_cast<int>(std::count(
                           Text.begin(), Text.begin() + static_cast<std::ptrdiff_t>(At), '\n'));
      Out.push_back(
          {Line, "tag-in-constructor",
           std::string(Name) + " is part of the constructor's text; it is not read as " + "a tag"});
    }
  }
}

}  // namespace

std::vector<TFinding> FindingsOf(const TJSBReadResult& Read) {
  std::vector<TFinding> Out;
  for (const int Line : Read.Places.Listeners)
    Out.push_back({Line, "listener", "a <JSB_LISTENER> block is not read; a save drops it"});
  const std::vector<TReadTag> Tags = ReadTagsOf(Read);
  TagsInValues(Tags, Out);
  ItemsWithoutName(Tags, Out);
  TagsInConstructor(Read, Out);
  std::stable_sort(Out.begin(), Out.end(),
                   [](const TFinding& A, const TFinding& B) { return A.Line < B.Line; });
  return Out;
}

void PlaceColumns(std::vector<TFinding>& Findings, const TJSBReadResult& Read,
                  std::string_view Text) {
  if (Read.Encoding != TTextEncoding::Utf8 || !Read.Places.Listeners.empty()) return;
  for (TFinding& F : Findings) {
    if (F.Offset >= Text.size()) continue;
    const size_t Break = F.Offset == 0 ? std::string_view::npos : Text.rfind('\n', F.Offset - 1);
    F.Column = static_cast<int>(F.Offset - (Break == std::string_view::npos ? 0 : Break + 1)) + 1;
  }
}
