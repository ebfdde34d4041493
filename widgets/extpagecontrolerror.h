// The exception through which the page control reports misuse.
#pragma once

#include <stdexcept>
#include <string>

class QObject;

class EExtPageInvalidCall : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The texts name the component (its object name) and its class.
EExtPageInvalidCall HottrackAssignError(const QObject& Component);
EExtPageInvalidCall TabGlyphsAssignError(const QObject& Component);
EExtPageInvalidCall InvalidTabIndexError(const QObject& Component, int TabIndex);
