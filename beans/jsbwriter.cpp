#include "jsbwriter.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

#include "../widgets/textfile.h"
#include "../widgets/textutils.h"
#include "beanfields.h"
#include "taglayout.h"

namespace {

// A tag's text in two steps: the constructor takes the values the object
// writes and the exact size of its text, Put copies it out.
template <class T>
class TTagText {
 public:
  TTagText(const T& Obj, const TLayout<T>& L) : FLayout(L), FName(Obj.Name()) {
    FSize = L.Head.size() + FName.size() + 1 + L.Tail.size();
    for (size_t I = 0; I < L.Pieces.size(); ++I) {
      const TField<T>& F = *L.Pieces[I].Field;
      const std::string* Value = nullptr;
      if (F.IsFlag()) {
        if ((Obj.*F.GetFlag)()) Value = &NoValue();
      } else {
        const std::string& Text = (Obj.*F.GetText)();
        if (!Text.empty()) Value = &Text;
      }
      FValues[I] = Value;
      if (Value) FSize += L.Pieces[I].Lead.size() + Value->size() + (F.IsFlag() ? 0 : 1);
    }
  }

  size_t Size() const { return FSize; }

  // Writes Size() bytes at Out and returns the end.
  char* Put(char* Out) const {
    Out = Copy(Out, FLayout.Head);
    Out = Copy(Out, FName);
    *Out++ = '"';
    for (size_t I = 0; I < FLayout.Pieces.size(); ++I) {
      const std::string* Value = FValues[I];
      if (!Value) continue;
      Out = Copy(Out, FLayout.Pieces[I].Lead);
      if (FLayout.Pieces[I].Field->IsFlag()) continue;
      Out = Copy(Out, *Value);
      *Out++ = '"';
    }
    return Copy(Out, FLayout.Tail);
  }

 private:
  static const std::string& NoValue() {
    static const std::string Empty;
    return Empty;
  }
  // An empty part may have no storage at all, which memcpy must not see.
  static char* Copy(char* Out, std::string_view Part) {
    if (Part.empty()) return Out;
    std::memcpy(Out, Part.data(), Part.size());
    return Out + Part.size();
  }

  const TLayout<T>& FLayout;
  const std::string& FName;
  const std::string* FValues[TLayout<T>::MaxPieces];  // null: not written
  size_t FSize;
};

// Counts the bytes of the text, so that the buffer of a whole text is sized
// once and exactly.
struct TTextSize {
  size_t Size = 0;

  template <class T>
  void Tag(const TTagText<T>& Tag) {
    Size += Tag.Size();
  }
  void Fixed(std::string_view Part) { Size += Part.size(); }
  void Large(std::string_view Part) { Size += Part.size(); }
  bool Going() const { return true; }
};

// Raised where a block of a text to be written in Latin-1 holds a character
// that Latin-1 cannot hold.
struct TNotHeld {};

// Where the blocks of a text go: a file, or a list of them.
class TBlockSink {
 public:
  virtual ~TBlockSink() = default;
  virtual void Write(std::string_view Block) = 0;
};

class TFileSink : public TBlockSink {
 public:
  explicit TFileSink(TTextFileWriter& File) : FFile(File) {}
  void Write(std::string_view Block) override { FFile.Write(Block); }

 private:
  TTextFileWriter& FFile;
};

class TListSink : public TBlockSink {
 public:
  void Write(std::string_view Block) override { Blocks.emplace_back(Block); }
  std::vector<std::string> Blocks;
};

// Where the text goes: all of it into one buffer, or, with a File, into the
// sink in blocks, so that a large bean never needs its whole text in memory
// or in one piece. Blocks end between parts, never inside a character, so
// each is encoded on its own on the way.
class TTextOut {
 public:
  TTextOut(size_t Capacity, TBlockSink* File, TTextEncoding Encoding = TTextEncoding::Utf8)
      : FFile(File), FEncoding(Encoding) {
    FBuffer.resize(Capacity);
  }

  template <class T>
  void Tag(const TTagText<T>& Tag) {
    FUsed = static_cast<size_t>(Tag.Put(Room(Tag.Size())) - FBuffer.data());
  }
  void Fixed(std::string_view Part) {
    if (Part.empty()) return;  // an empty view may have no storage at all
    std::memcpy(Room(Part.size()), Part.data(), Part.size());
    FUsed += Part.size();
  }
  // A part that goes to the file as it is, without a copy.
  void Large(std::string_view Part) {
    if (!FFile) return Fixed(Part);
    Hand();
    Send(Part);
  }
  bool Going() const { return true; }
  void Hand() {
    Send(std::string_view(FBuffer.data(), FUsed));
    FUsed = 0;
  }
  std::string Text() && {
    FBuffer.resize(FUsed);
    return std::move(FBuffer);
  }

 private:
  // Where N more bytes go: the block is handed on first when it is full, and
  // grows only for a part larger than itself.
  char* Room(size_t N) {
    if (FBuffer.size() - FUsed < N && FFile) Hand();
    if (FBuffer.size() - FUsed < N) FBuffer.resize(std::max(FUsed + N, 2 * FBuffer.size()));
    return FBuffer.data() + FUsed;
  }

  // Plain ASCII is the same in either encoding and goes as it is.
  void Send(std::string_view Part) {
    if (FEncoding == TTextEncoding::Utf8 || IsAscii(Part)) return FFile->Write(Part);
    const std::optional<std::string> Encoded = FromUtf8(Part, FEncoding);
    if (!Encoded) throw TNotHeld();
    FFile->Write(*Encoded);
  }

  std::string FBuffer;
  size_t FUsed = 0;
  TBlockSink* FFile;
  TTextEncoding FEncoding;
};

// Compares the text with a given one as it is made, part by part; a tag is
// made in a buffer that grows to the largest tag.
class TTextMatch {
 public:
  explicit TTextMatch(std::string_view Expected) : FRest(Expected) {}

  template <class T>
  void Tag(const TTagText<T>& Tag) {
    if (!FSame || Tag.Size() > FRest.size()) return Differ();
    if (FBuffer.size() < Tag.Size()) FBuffer.resize(Tag.Size());
    Tag.Put(FBuffer.data());
    Fixed(std::string_view(FBuffer.data(), Tag.Size()));
  }
  void Fixed(std::string_view Part) {
    if (!FSame || !FRest.starts_with(Part)) return Differ();
    FRest.remove_prefix(Part.size());
  }
  void Large(std::string_view Part) { Fixed(Part); }
  bool Same() const { return FSame && FRest.empty(); }
  bool Going() const { return FSame; }  // the rest of the text no longer matters

 private:
  void Differ() { FSame = false; }

  std::string_view FRest;  // what is still to come
  std::string FBuffer;
  bool FSame = true;
};

// Where a text being made has got to: the stage (the head, each kind of item
// in turn, the constructor, done) and the next item of that stage.
struct TWriteCursor {
  enum TStage { wsHead, wsProperties, wsMethods, wsEvents, wsInterfaces, wsTail, wsDone };
  int Stage = wsHead;
  int Index = 0;
};

// The collection's items from the cursor on, while Items lasts; a stage done
// moves the cursor to the next.
template <class TOut, class TCollectionType, class TItem>
void PutFrom(TOut& Out, const TCollectionType& Items, const TLayout<TItem>& L, TWriteCursor& At,
             long& Budget) {
  for (; At.Index < Items.Count() && Budget > 0 && Out.Going(); ++At.Index, --Budget)
    Out.Tag(TTagText<TItem>(*Items.Items(At.Index), L));
  if (At.Index < Items.Count()) return;
  ++At.Stage;
  At.Index = 0;
}

// A method with its parameters, one item of the budget each.
template <class TOut>
void PutMethods(TOut& Out, const TJSBean& Bean, const TLayouts& L, TWriteCursor& At, long& Budget) {
  for (; At.Index < Bean.Methods().Count() && Budget > 0 && Out.Going(); ++At.Index) {
    const TMethodDescriptor& Method = *Bean.Methods().Items(At.Index);
    Out.Tag(TTagText<TMethodDescriptor>(Method, L.Method));
    TWriteCursor Parameters{TWriteCursor::wsHead, 0};
    long Unlimited = Method.Parameters().Count() + 1L;
    PutFrom(Out, Method.Parameters(), L.Parameter, Parameters, Unlimited);
    Out.Fixed("   </JSB_METHOD>\r\n\r\n");
    Budget -= 1 + Method.Parameters().Count();
  }
  if (At.Index < Bean.Methods().Count()) return;
  ++At.Stage;
  At.Index = 0;
}

// The parts of the text from the cursor on, about Budget items of them;
// true once the whole text is made.
template <class TOut>
bool WriteSome(TOut& Out, const TJSBean& Bean, std::string_view Constructor, TWriteCursor& At,
               long Budget) {
  const TLayouts& L = Layouts();
  while (At.Stage != TWriteCursor::wsDone && Budget > 0 && Out.Going()) {
    switch (At.Stage) {
      case TWriteCursor::wsHead:
        Out.Fixed("<JSB>\r\n");
        Out.Tag(TTagText<TJSBean>(Bean, L.Descriptor));
        ++At.Stage;
        break;
      case TWriteCursor::wsProperties:
        PutFrom(Out, Bean.Properties(), L.Property, At, Budget);
        break;
      case TWriteCursor::wsMethods:
        PutMethods(Out, Bean, L, At, Budget);
        break;
      case TWriteCursor::wsEvents:
        PutFrom(Out, Bean.EventSets(), L.Event, At, Budget);
        break;
      case TWriteCursor::wsInterfaces:
        PutFrom(Out, Bean.Interfaces(), L.Interface, At, Budget);
        break;
      default:
        Out.Fixed("   <JSB_CONSTRUCTOR>\r\n");
        Out.Large(Constructor);
        Out.Fixed("\r\n\r\n   </JSB_CONSTRUCTOR>\r\n\r\n</JSB>");
        ++At.Stage;
    }
  }
  return At.Stage == TWriteCursor::wsDone;
}

// Every part of the text in order.
template <class TOut>
void WriteText(TOut& Out, const TJSBean& Bean, std::string_view Constructor) {
  TWriteCursor At;
  WriteSome(Out, Bean, Constructor, At, std::numeric_limits<long>::max());
}

// The text in a buffer with room for Spare more bytes, sized once.
std::string TextWithRoom(const TJSBean& Bean, std::string_view Constructor, size_t Spare) {
  TTextSize Size;
  WriteText(Size, Bean, Constructor);
  TTextOut Out(Size.Size + Spare, nullptr);
  WriteText(Out, Bean, Constructor);
  return std::move(Out).Text();
}

}  // namespace

std::string WriteJSBText(const TJSBean& Bean, std::string_view Constructor) {
  return TextWithRoom(Bean, Constructor, 0);
}

// The blocks are kept apart: a large text is never copied into a larger
// buffer while it is made.
struct TJSBTextBuilder::TState {
  TListSink Blocks;
  TTextOut Out{256 * 1024, &Blocks};
  TWriteCursor At;
};

TJSBTextBuilder::TJSBTextBuilder(const TJSBean& Bean, std::string Constructor)
    : FBean(Bean), FConstructor(std::move(Constructor)), FState(std::make_unique<TState>()) {}

TJSBTextBuilder::~TJSBTextBuilder() = default;

bool TJSBTextBuilder::Step(int Items) {
  return WriteSome(FState->Out, FBean, FConstructor, FState->At, Items);
}

std::vector<std::string> TJSBTextBuilder::Blocks() && {
  FState->Out.Hand();
  return std::move(FState->Blocks.Blocks);
}

std::string TJSBTextBuilder::Text() && {
  std::string Text;
  for (const std::string& Block : std::move(*this).Blocks())
    Text += Block;
  return Text;
}

bool JSBTextMatches(const TJSBean& Bean, std::string_view Constructor, std::string_view Text) {
  TTextMatch Match(Text);
  WriteText(Match, Bean, Constructor);
  return Match.Same();
}

std::string EncodeJSBText(std::string Text, TTextEncoding Encoding) {
  if (Encoding == TTextEncoding::Utf8) return Text;
  std::optional<std::string> Encoded = FromUtf8(Text, Encoding);
  return Encoded ? std::move(*Encoded) : Text;
}

std::string ReopenedJSBText(const TJSBean& Bean, std::string_view Constructor,
                            TTextEncoding Encoding) {
  // Room for the final line break, which normalising adds.
  return NormaliseLineBreaks(EncodeJSBText(TextWithRoom(Bean, Constructor, 2), Encoding));
}

namespace {

// The text goes to the file in blocks as it is made, through one buffer sized
// once, each block encoded on the way. False, with the old file untouched, at
// the first block that the encoding cannot hold.
bool WriteInBlocks(const std::string& FileName, const TJSBean& Bean, std::string_view Constructor,
                   TTextEncoding Encoding, TFileHash* Hash) {
  TTextFileWriter File(FileName, Hash);
  TFileSink Sink(File);
  TTextOut Out(256 * 1024, &Sink, Encoding);
  try {
    WriteText(Out, Bean, Constructor);
    Out.Hand();
  } catch (const TNotHeld&) {
    return false;  // the writer leaves no temporary behind
  }
  File.Commit();
  return true;
}

}  // namespace

// A text that Latin-1 cannot hold whole is written in UTF-8, as EncodeJSBText
// gives it: the file is begun again once that is known.
void WriteJSBFile(const std::string& FileName, const TJSBean& Bean, std::string_view Constructor,
                  TTextEncoding Encoding, TFileHash* Hash) {
  if (!WriteInBlocks(FileName, Bean, Constructor, Encoding, Hash))
    WriteInBlocks(FileName, Bean, Constructor, TTextEncoding::Utf8, Hash);
}
