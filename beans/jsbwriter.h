// Turns a component and its constructor source into JSB text.
#pragma once

#include <string>
#include <string_view>

#include "encoding.h"
#include "widgets/textfile.h"

class TJSBean;

// The whole JSB text for Bean, with Constructor written unchanged inside the
// constructor block. Lines end with CR LF; the closing tag has no line break.
std::string WriteJSBText(const TJSBean& Bean, std::string_view Constructor);

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
