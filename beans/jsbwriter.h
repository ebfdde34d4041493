// Turns a component and its constructor source into JSB text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "encoding.h"
#include "widgets/textfile.h"

class TJSBean;

// The whole JSB text for Bean, with Constructor written unchanged inside the
// constructor block. Lines end with CR LF; the closing tag has no line break.
std::string WriteJSBText(const TJSBean& Bean, std::string_view Constructor);

// The text WriteJSBText gives, made a few items at a time, so that a large
// component never holds the thread that owns it for long. The component must
// not change between the builder's creation and its last step.
class TJSBTextBuilder {
 public:
  TJSBTextBuilder(const TJSBean& Bean, std::string Constructor);
  ~TJSBTextBuilder();
  TJSBTextBuilder(const TJSBTextBuilder&) = delete;
  TJSBTextBuilder& operator=(const TJSBTextBuilder&) = delete;

  // Adds the tags of about the next Items items (a method's parameters go
  // with it); true once the text is whole.
  bool Step(int Items);
  // The text once whole, in one piece or in the blocks it was made in.
  std::string Text() &&;
  std::vector<std::string> Blocks() &&;

 private:
  struct TState;
  const TJSBean& FBean;
  const std::string FConstructor;
  std::unique_ptr<TState> FState;
};

// Whether WriteJSBText(Bean, Constructor) is exactly Text, found without
// building that text.
bool JSBTextMatches(const TJSBean& Bean, std::string_view Constructor, std::string_view Text);

// The file's bytes for that (UTF-8) text in Encoding. Text that Latin-1
// cannot hold stays UTF-8, so that nothing is lost.
std::string EncodeJSBText(std::string Text, TTextEncoding Encoding);

// The text a save writes, as a reader gets it when the file is opened again:
// encoded, then with its line breaks normalised (a NUL ends it there).
std::string ReopenedJSBText(const TJSBean& Bean, std::string_view Constructor,
                            TTextEncoding Encoding);

// Writes that text in Encoding to FileName in one piece (SaveTextFile's
// errors pass through); with Hash, the hash of the bytes written goes there.
void WriteJSBFile(const std::string& FileName, const TJSBean& Bean, std::string_view Constructor,
                  TTextEncoding Encoding = TTextEncoding::Utf8, TFileHash* Hash = nullptr);
