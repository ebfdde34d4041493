// A component described in the dump command's JSON, read back into a model
// for the write command.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "beans/beanmodel.h"
#include "beans/encoding.h"

// What is wrong with the JSON; the message names the member concerned.
class EModelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TModel {
  std::unique_ptr<TJSBean> Bean;
  std::string Constructor;                       // the editor's text
  TTextEncoding Encoding = TTextEncoding::Utf8;  // the file's, from "encoding"
};

// Parses the JSON text. Members absent are empty or false; "Caption",
// "messages" and "valid" are ignored; "encoding" ("UTF-8" unless "Latin-1")
// decides the encoding the file is written in. Raises EModelError for
// malformed JSON, unknown members, repeated members, members of the wrong
// type, strings with a lone surrogate or a leading byte order mark, and
// strings that the encoding cannot hold.
TModel ParseModel(std::string_view Json);
