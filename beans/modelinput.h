// A component described in the model's JSON (modeljson.h), read back into a
// model: for jsbtool's write command, and from a recovery copy.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "beans/beanmodel.h"
#include "beans/encoding.h"
#include "beans/jsbreader.h"

// What is wrong with the JSON; the message names the member concerned.
class EModelError : public std::runtime_error {
 public:
  explicit EModelError(const std::string& What, std::size_t Offset = std::string::npos)
      : std::runtime_error(What), FOffset(Offset) {}
  // How far the text was well-formed JSON; npos when all of it was.
  std::size_t Offset() const { return FOffset; }

 private:
  std::size_t FOffset;
};

enum class TModelReading {
  // A model to be written to a file: strings a file cannot hold are refused,
  // and every node's caption is its item's name.
  ForFile,
  // A model kept by this program: every string as it stands, and the
  // captions it gives.
  Exact
};

// Parses the JSON text into a model as if read from a file: valid, its items
// in the reader's order. Members absent are empty or false; "messages" and
// "valid" are ignored; "encoding" ("UTF-8" unless "Latin-1") decides the
// encoding the file is written in; read exactly, an empty "Caption" stands
// for a tag that had no name. Raises EModelError for malformed JSON, unknown
// members, members of the wrong type, strings with a lone surrogate, and, for
// a file, repeated members, strings with a leading byte order mark or a NUL,
// and strings that the encoding cannot hold.
TJSBReadResult ParseModel(std::string_view Json, TModelReading How = TModelReading::ForFile);
