// The version-string exports.
#include <cstdint>

#include "fold.h"
#include "gauger.h"
#include "heap.h"
#include "split.h"

namespace {

// Without a minor part a version sorts after every version that extends it.
std::int32_t compare_minor_parts(const gauger::VersionParts& left,
                                 const gauger::VersionParts& right) noexcept {
  if (left.minor && right.minor) return gauger::compare_folded(*left.minor, *right.minor);
  if (left.minor) return -1;
  if (right.minor) return 1;
  return 0;
}

}  // namespace

extern "C" {

char* GAUGER_CALL getMajorVersion(const char* version) {
  return gauger::copy_to_heap(gauger::split_version(version).major);
}

char* GAUGER_CALL getMinorVersion(const char* version) {
  const auto minor = gauger::split_version(version).minor;
  return minor ? gauger::copy_to_heap(*minor) : nullptr;
}

std::int32_t GAUGER_CALL compareStrings(const char* left, const char* right) {
  return gauger::compare_folded(left, right);
}

// Compares the parts in place, so it needs no memory and cannot run out of it.
std::int32_t GAUGER_CALL compareVersions(const char* left, const char* right) {
  const auto left_parts = gauger::split_version(left);
  const auto right_parts = gauger::split_version(right);
  const auto major = gauger::compare_folded(left_parts.major, right_parts.major);
  return major != 0 ? major : compare_minor_parts(left_parts, right_parts);
}

}  // extern "C"
