// Whether a constructor's text is valid JavaScript, as the body of a function:
// the engine parses it and runs none of it.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "beans/encoding.h"

struct TScriptError {
  int Line = 1;         // 1-based, counted as the editor counts lines
  int Column = 0;       // 1-based in characters; 0 where the engine gives none
  size_t Offset = 0;    // of the error in the text's bytes
  std::string Message;  // the engine's, UTF-8: "Unexpected token `;'"
};

struct TSyntaxCheck {
  bool Finished = true;  // false: the time limit ended the check first
  std::optional<TScriptError> Error;
};

// Checks Text (in Encoding) with an engine of its own, which is interrupted
// after Limit. A program without an application object gets one at its first
// check (the engine needs it), with the C library's locale left as it was.
TSyntaxCheck CheckConstructorSyntax(std::string_view Text,
                                    TTextEncoding Encoding = TTextEncoding::Utf8,
                                    std::chrono::milliseconds Limit = std::chrono::seconds(10));
