// The text loader against its rules: a line ends at CR LF, CR, LF or NUL (which
// also ends the text), and every line is followed by CR LF. Checked on the
// bytes in memory and on the same bytes read from a file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "fuzzsupport.h"
#include "widgets/textfile.h"

namespace {

std::string RefNormalise(const std::string& Bytes) {
  std::string Out, Line;
  bool Open = false;  // a line has begun that no break has ended yet
  for (size_t I = 0; I < Bytes.size() && Bytes[I] != '\0'; ++I) {
    const char C = Bytes[I];
    if (C == '\r' || C == '\n') {
      Out += Line + "\r\n";
      Line.clear();
      Open = false;
      if (C == '\r' && I + 1 < Bytes.size() && Bytes[I + 1] == '\n') ++I;
    } else {
      Line += C;
      Open = true;
    }
  }
  if (Open) Out += Line + "\r\n";
  return Out;
}

const std::string& ScratchFile() {
  static const std::string Name = FuzzScratchFolder() + "/text";
  return Name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
  const std::string Expected = RefNormalise(Bytes);
  FUZZ_CHECK(NormaliseLineBreaks(Bytes) == Expected);
  std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << Bytes;
  FUZZ_CHECK(LoadTextFile(ScratchFile()) == Expected);
  std::remove(ScratchFile().c_str());
  return 0;
}
