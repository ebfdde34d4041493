// Finding a member name given twice in one JSON object, which the JSON
// library would otherwise settle silently by keeping the last value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The path of the first member whose name its object already had, written as
// the model's messages write it ("properties[0].Name"), or nothing. Json must
// already have been accepted by the JSON parser.
std::optional<std::string> FindRepeatedMember(std::string_view Json);
