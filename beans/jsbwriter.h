// Turns a component and its constructor source into JSB text.
#pragma once

#include <string>
#include <string_view>

class TJSBean;

// The whole JSB text for Bean, with Constructor written unchanged inside the
// constructor block. Lines end with CR LF; the closing tag has no line break.
std::string WriteJSBText(const TJSBean& Bean, std::string_view Constructor);

// Writes that text to FileName in one piece (SaveTextFile's errors pass through).
void WriteJSBFile(const std::string& FileName, const TJSBean& Bean, std::string_view Constructor);
