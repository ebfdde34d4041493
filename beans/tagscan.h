// Finding tags in JSB text and reading attributes out of one tag's text.
//
// Positions returned by FindAttribute are 1-based, with 0 meaning "not found".
// Searches fold the ASCII letters a to z to upper case and nothing else; the
// names searched for are expected in upper case, as the reader passes them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bytewords.h"

// Cuts out the text of the first tag that starts with TagStart: from its '<' up
// to and including the first character of the first Terminator after it.
// False with TagText unchanged when TagStart does not occur; false with TagText
// empty when no terminator follows it.
bool FindTag(std::string_view Text, std::string_view TagStart, std::string_view Terminator,
             std::string& TagText);

// One block that RemoveTagBlocks took out: the offset in the remaining text
// where it stood (the text after it now starts there) and the line feeds it
// held, so that places in the remaining text can be traced back.
struct TRemovedBlock {
  size_t At;
  size_t Breaks;
};

// Removes every block from OpenTag up to and including the next CloseTag.
// Removal stops at an opening tag that has no closing tag after it; that
// unclosed block stays in the text, since nothing later can be closed either.
// Blocks, when given, receives each removed block in text order.
bool RemoveTagBlocks(std::string& Text, std::string_view OpenTag, std::string_view CloseTag,
                     std::vector<TRemovedBlock>* Blocks = nullptr);

// The text with every double-quoted run that a CR LF follows overwritten by
// spaces (a run broken by a line end is blanked up to that line end). The
// length never changes.
std::string BlankQuotedText(std::string_view Text);

// Tries " N", "\tN", "N=" and "N =" in that order in the upper-cased, blanked
// tag text; returns the position just after N in the first that occurs.
size_t FindAttribute(std::string_view TagText, std::string_view Name);
bool HasAttribute(std::string_view TagText, std::string_view Name);

// Reads the attribute's value: quoted (closing on its own line) or unquoted
// (up to a space or carriage return). An unquoted value that meets neither
// runs to the end of the tag text, less the tag's closing '>' when the text
// ends with one: NAME=foo followed directly by '>' reads as foo.
bool GetAttributeValue(std::string_view TagText, std::string_view Name, std::string& Value);

// Finds where each of a fixed set of attribute names is, exactly as
// FindAttribute would, in one walk over a tag's text. The text is upper-cased
// and blanked as it is walked, never copied, and quoted runs are stepped over
// whole. Built once for a set of names, then used for any number of tags.
class TAttributeScanner {
 public:
  static constexpr size_t MaxNames = 32;

  explicit TAttributeScanner(std::span<const std::string_view> Names);
  size_t Count() const { return FNames.size(); }
  // Positions[I] becomes FindAttribute(TagText, Names[I]) for every name.
  void Scan(std::string_view TagText, std::span<size_t> Positions) const;
  // Whether one of the names, letters folded, stands right after a blank in
  // Text: the one way a name inside a quoted value that is searched is found
  // there, when the value holds no '=' and no tab.
  bool HoldsBlankLedName(std::string_view Text) const;

 private:
  void ScanSearchForm(std::string_view TagText, std::span<size_t> Positions) const;

  size_t SkipAfterMatch(uint32_t Matched) const;

  bool MatchesAt(const char* At, size_t Left, size_t Name) const;

  std::vector<std::string> FNames;   // upper-cased
  std::vector<TFoldedWords> FWords;  // one for each of FNames
  uint32_t FFirst[256] = {};         // the names each byte can start, either letter case
  uint32_t FSecond[256] = {};        // the names each byte can follow the first letter of
  // What the walk does at a byte: a double quote, or a byte some name starts
  // with, stops it; a blank may start a run of blanks it steps over whole.
  enum class TByteClass : unsigned char { Pass, Blank, Stop };
  TByteClass FClasses[256] = {};
  bool FPlain = true;  // no name holds a blank or a double quote
  // How far past the start of a name found in the text the next name can
  // start at the earliest: inside the name found, or running on out of it.
  std::vector<size_t> FSkip;
};

// The value of the attribute that FindAttribute found at Position (not 0),
// as GetAttributeValue reads it.
bool AttributeValueAt(std::string_view TagText, size_t Position, std::string& Value);

// Case-folding search used by the scanner: the first position at or after From
// where Pattern matches the upper-cased Text, or npos.
size_t FindFolded(std::string_view Text, std::string_view Pattern, size_t From = 0);
