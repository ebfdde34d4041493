// What the JSON library would change silently while reading a model: a
// member name given twice in one object (it keeps the last value) and a
// string that begins with a byte order mark (it drops the mark when the
// string has no escapes).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The first such place as a message naming the member the way the model's
// messages do ("properties[0].Name: repeated member"), or nothing. Json must
// already have been accepted by the JSON parser.
std::optional<std::string> FindSilentChange(std::string_view Json);
