// A small fixed-seed pseudo-random generator whose sequence is the same on
// every platform and library (the standard distributions are not).
#pragma once

#include <cstdint>
#include <string_view>

class TPrng {
 public:
  explicit TPrng(std::uint64_t Seed) : FState(Seed) {}

  // The next 64 bits of the sequence (splitmix64).
  std::uint64_t Next() {
    std::uint64_t Z = (FState += 0x9E3779B97F4A7C15ULL);
    Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBULL;
    return Z ^ (Z >> 31);
  }

  // A number from 0 to Bound - 1; Bound must be positive.
  int Below(int Bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(Bound)); }

  // True in Percent cases out of a hundred.
  bool Chance(int Percent) { return Below(100) < Percent; }

  template <std::size_t N>
  std::string_view Pick(const std::string_view (&Words)[N]) {
    return Words[Below(static_cast<int>(N))];
  }

 private:
  std::uint64_t FState;
};
