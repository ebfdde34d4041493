// jsbtool write's model parser on any bytes. A model it accepts is accepted
// again, to the same file, after the JSON library has written it out anew
// (other escapes, other spacing, members sorted). What is left of any bytes
// taken for a damaged recovery copy reads as a model or is refused.
#include <QJsonDocument>
#include <cstddef>
#include <cstdint>
#include <string>

#include "beans/jsbwriter.h"
#include "beans/modelinput.h"
#include "beans/modeljson.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string_view Json(reinterpret_cast<const char*>(Data), Size);
  try {
    const std::string Left = SalvagedModelJson(Json, Size / 2);
    if (!Left.empty()) ParseModel(Left, TModelReading::Exact);
  } catch (const EModelError&) {
  }
  std::string Saved;
  try {
    const TJSBReadResult Model = ParseModel(Json);
    Saved = WriteJSBText(*Model.Bean, Model.Constructor);
  } catch (const EModelError&) {
    return 0;
  }
  const QByteArray Again =
      QJsonDocument::fromJson(QByteArray(Json.data(), static_cast<qsizetype>(Json.size())))
          .toJson(QJsonDocument::Compact);
  try {
    const TJSBReadResult Model = ParseModel(std::string_view(Again.constData(), Again.size()));
    FUZZ_CHECK(WriteJSBText(*Model.Bean, Model.Constructor) == Saved);
  } catch (const EModelError& E) {
    std::fprintf(stderr, "refused when written anew: %s\n", E.what());
    FUZZ_CHECK(false);
  }
  return 0;
}
