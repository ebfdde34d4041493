// Reads JSB text into a new component. The reader does not parse elements: it
// finds the tags of each kind it reads, cuts out each tag's text and reads
// attributes from it, so tags may stand anywhere, in any letter case, with
// attributes in any order and on any number of lines.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "beanmodel.h"
#include "encoding.h"

enum TDescriptorKind : unsigned char {
  dkProperty = 0,
  dkEvent = 1,
  dkMethod = 2,
  dkParameter = 3,
  dkInterface = 4
};

// Where the reader found a tag, for tools that report on a file: its span in
// the text as the reader read it (listener blocks removed), from '<' to just
// after '>', and the 1-based line of its '<' in the text it was given.
struct TTagPlace {
  size_t Start = 0, End = 0;
  int Line = 0;  // 0: no such tag
};

// One descriptor item in the order the reader added it: the order of the
// component tree's nodes below the root (properties, then each method followed
// by its parameters, then event sets, then interfaces).
// A large file has hundreds of thousands of items, so the kind and the flag
// share the place's padding.
struct TReadItem {
  TJSB_CustomCollectionItem* Item;
  [[no_unique_address]] TTagPlace Place;
  TDescriptorKind Kind;
  bool NameRead;  // the tag carried a NAME value

  // The node caption the reader sets: the name read, or empty without one,
  // although the item itself is then named "Untitled".
  std::string Caption() const { return NameRead ? Item->Name() : std::string(); }
};

struct TJSBReadResult {
  std::unique_ptr<TJSBean> Bean;  // never null
  // False when the text had no <JSB> tag at all; the bean is then the empty
  // one named "untitled", and there are no items and no constructor.
  bool Valid = false;
  std::string RootCaption;
  std::vector<TReadItem> Items;
  std::string Constructor;  // the text the source editor receives
  TTextEncoding Encoding = TTextEncoding::Utf8;
  // What the user is to be told about the text, in the order it was found;
  // each notice names the file as the reader was given it.
  std::vector<std::string> Notices;
  // Where things were found, as lines of the text given.
  struct TPlaces {
    TTagPlace Descriptor;
    int Constructor = 0;         // the line the constructor text begins on
    std::vector<int> Listeners;  // the line of each listener block removed
    std::vector<int> Notices;    // the line each notice is about, in their order
  } Places;
};

// Reads Text, whose line breaks are already normalised (LoadTextFile). The
// reader shows nothing itself: its notices come back in the result.
TJSBReadResult ReadJSBText(std::string Text, const std::string& FileName);
// The same for a text the caller keeps: it is copied only where the reader
// changes it (a Latin-1 text, listener blocks).
TJSBReadResult ReadJSBTextView(std::string_view Text, const std::string& FileName);

// LoadTextFile, then ReadJSBText. A file that cannot be read raises EFileError.
TJSBReadResult ReadJSBFile(const std::string& FileName);
