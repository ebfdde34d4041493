// The start-up check of the platform's common-controls library. Side and
// bottom tabs need version 4.70 or newer of it; an older one earns a single
// advisory. Only Windows has the library; elsewhere its version cannot be
// read and nothing is shown.
#pragma once

#include <QString>
#include <cstdint>

// FileVersionMS: major version in the upper 16 bits, minor in the lower.
bool CommonControlsTooOld(std::uint32_t FileVersionMS);
QString CommonControlsMessage(const QString& Path);
// Reads the version and shows the advisory when it is too old; meant to run
// once before the first window is shown. Returns whether it was shown.
bool CheckCommonControlsVersion();
// What the last check found; every tab position stays selectable regardless.
bool CommonControlsUpdateRecommended();
