// What a save and reopen would change: the first read of a file compared with
// the read of the text the writer makes from it.
#pragma once

#include <string>
#include <vector>

#include "beans/jsbreader.h"

// One value that would not survive. Before and After are JSON literals
// (quoted strings, true or false, counts).
struct TDifference {
  std::string Item;   // "bean", "property 3 \"width\"", "properties", "constructor"
  std::string Field;  // a model field name, "Caption", "count" or "text"
  std::string Before, After;
  int Line = 0;  // of the first read's tag that holds the value; 0: none known
};

// "ITEM: FIELD: BEFORE -> AFTER".
std::string DifferenceText(const TDifference& D);
// "N value(s) would not survive a save and reopen".
std::string LostText(size_t Count);

// Every field of the bean and of each item by position, the counts of every
// collection and of each method's parameters, the captions and the
// constructor text, compared as decoded text.
std::vector<TDifference> CompareReads(const TJSBReadResult& First, const TJSBReadResult& Second);

// The text the program would save for Read, run through the same line-break
// normalisation as a file that is opened again.
std::string SavedText(const TJSBReadResult& Read);

// What a save and reopen of the file would change: CompareReads of Read, the
// read of Text, and the read of SavedText(Read) as if from FileName. When a
// save writes back exactly Text, the second read would be the first one
// again, and nothing is read twice; otherwise Text is let go before the
// saved text is made.
std::vector<TDifference> LostInSave(const TJSBReadResult& Read, std::string Text,
                                    const std::string& FileName);
