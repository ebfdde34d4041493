// Builds deterministic components of a chosen JSB size for the benchmark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "beans/beanmodel.h"

// How many items of each kind a generated component holds.
struct TItemCounts {
  int Properties = 0;
  int Methods = 0;
  int Parameters = 0;  // over all methods
  int Events = 0;
  int Interfaces = 0;

  int Total() const { return Properties + Methods + Parameters + Events + Interfaces; }
  bool operator==(const TItemCounts&) const = default;
};

struct TGeneratedBean {
  std::unique_ptr<TJSBean> Bean;
  std::string Constructor;  // the constructor source, CR LF line breaks
  TItemCounts Counts;
  std::size_t TextSize = 0;  // bytes of WriteJSBText for Bean and Constructor
};

// A component whose written JSB text is about TargetBytes long (within a few
// percent for sizes from a few kilobytes up). The same Seed and TargetBytes
// always give the same component.
TGeneratedBean GenerateBean(std::size_t TargetBytes, std::uint64_t Seed = 20240611);

// A component with exactly Items items (properties, methods, parameters,
// event sets and interfaces together; none when Items is not positive): whole
// units while they fit, then single items of each kind in turn. The same Seed
// and Items always give the same component.
TGeneratedBean GenerateBeanWithItems(int Items, std::uint64_t Seed = 20240611);

// The item counts of Bean as the model holds them.
TItemCounts CountItems(const TJSBean& Bean);
