// The file-system and clock exports.
#include <cstdint>
#include <ctime>

#include "clock.h"
#include "filesystem.h"
#include "gauger.h"

extern "C" {

std::int32_t GAUGER_CALL direxist(const char* path) {
  return gauger::attributes_readable(path) ? 1 : 0;
}

std::int32_t GAUGER_CALL fileexist(const char* path) {
  return gauger::search_finds_accepted_entry(path) ? 1 : 0;
}

std::int32_t GAUGER_CALL GetTime(void) {
  return gauger::calendar_seconds(std::time(nullptr));
}

}  // extern "C"
