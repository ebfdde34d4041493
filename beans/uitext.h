// Conversions between the model's 8-bit text and the window's text, made at
// the window's edge only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "beans/encoding.h"

// Bytes in a document's encoding as window text.
QString ToQString(std::string_view Bytes, TTextEncoding Encoding);
// Bytes of unknown encoding (messages, file names): UTF-8 when they are
// valid UTF-8, else one character per byte.
QString ToQString(std::string_view Bytes);
// Window text as bytes of the encoding. Characters that Latin-1 cannot hold
// become '?'; the caller decides beforehand whether that may happen.
std::string ToBytes(const QString& Text, TTextEncoding Encoding);
// File names as the bytes the file system takes, and back; a message that
// names a file is read as one. Any bytes survive the trip: each byte that is
// not part of valid UTF-8 becomes a lone low surrogate, U+DC80 to U+DCFF,
// which FileNameBytes turns back into that byte.
std::string FileNameBytes(const QString& FileName);
QString FileNameText(std::string_view FileName);
// Text as the user is shown it: those stand-ins for bytes, and any other
// lone surrogate, become U+FFFD.
QString ShownText(QString Text);
