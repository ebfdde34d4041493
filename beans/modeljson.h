// The component as JSON: the form jsbtool's dump writes and its write reads,
// and the form a recovery copy keeps unsaved work in, with every value exactly
// as the model holds it, each node's caption, the encoding and the constructor.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "beans/encoding.h"
#include "beans/jsonwriter.h"

class TJSBean;
class TJSB_CustomCollectionItem;

// Made a few items at a time, so that a large component never holds the
// thread that owns it for long. The members are "encoding", "bean",
// "properties", "methods", "events", "interfaces" and "constructor", in that
// order; the caller may write members of its own before the first step and
// after the last. The component must keep its items between the builder's
// creation and its last step; a value changed meanwhile is written as it is
// when its item's turn comes.
class TModelJsonBuilder {
 public:
  using TCaptionOf = std::function<std::string(const TJSB_CustomCollectionItem&)>;
  TModelJsonBuilder(const TJSBean& Bean, std::string Constructor, TTextEncoding Encoding,
                    std::string RootCaption, TCaptionOf CaptionOf);
  ~TModelJsonBuilder();
  TModelJsonBuilder(const TModelJsonBuilder&) = delete;
  TModelJsonBuilder& operator=(const TModelJsonBuilder&) = delete;

  // For the caller's own members, before the first step or after the last.
  TJsonWriter& Writer() { return FJson; }
  // Writes about the next Items items (a method's parameters go with it);
  // true once the model is written.
  bool Step(int Items);
  // The blocks of text made so far, each about BlockSize bytes, taken out.
  std::vector<std::string> TakeBlocks();
  // Closes the document: the rest of its text, in blocks.
  std::vector<std::string> Finish() &&;

  static constexpr std::size_t BlockSize = 256 * 1024;

 private:
  template <class T>
  void Item(const T& Obj);
  void Head();
  // Writes the items of the collection the stage stands for from FIndex on.
  template <class TColl>
  void Items(const char* Key, const TColl& Collection, int& Budget);
  void EndBlockIfFull();

  const TJSBean& FBean;
  const std::string FConstructor;
  const TTextEncoding FEncoding;
  const std::string FRootCaption;
  const TCaptionOf FCaptionOf;
  TJsonWriter FJson;
  std::vector<std::string> FBlocks;
  int FStage = 0;
  int FIndex = 0;
};

// The text of a model cut short or damaged, up to its last whole item and
// closed there, so that what is left of it can be read; empty when not even
// the head of the model is whole.
std::string SalvagedModelJson(std::string_view Json, std::size_t GoodUpTo);
