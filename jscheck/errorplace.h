// Where an error the engine reports lies in the text it was given. The engine
// counts lines its own way (CR LF, lone CR, LF, U+2028 and U+2029 each end a
// line) and columns in UTF-16 units; the editor ends lines at CR LF, lone CR
// and LF only and counts columns in characters.
#pragma once

#include <QString>

#include "syntaxcheck.h"

// The place of the engine's 1-based Line and Column in Source, decoded from a
// text in Encoding; a place past the end of a line or of the text is its end.
// Column 0 (none given) stands for the line's start and stays 0.
TScriptError ErrorPlace(const QString& Source, TTextEncoding Encoding, int Line, int Column);
