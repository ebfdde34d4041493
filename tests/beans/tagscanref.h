// Straightforward, slow transcriptions of the scanning rules, searching the
// whole text again at every step. The scanner must agree with them on any
// input; the unit tests and the fuzz target both hold it to that.
#pragma once

#include <string>

std::string RefBlank(std::string Text);
size_t RefFindAttribute(const std::string& Tag, const std::string& Name);
bool RefGetAttributeValue(const std::string& Tag, const std::string& Name, std::string& Value);
bool RefFindTag(const std::string& Text, const std::string& TagStart, const std::string& Terminator,
                std::string& TagText);
bool RefRemove(std::string& Text, const std::string& Open, const std::string& Close);
