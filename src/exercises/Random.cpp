// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Random.h"

#include <cstdint>

namespace tesmoran {
namespace {

// xoshiro256** with its four words of state filled by splitmix64 from a
// fixed seed: fast, with the same sequence on every platform.
constexpr std::uint64_t kRandomSeed = 0x7E5A0BA9u;

struct GeneratorState {
  std::uint64_t s[4];
};

constexpr std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

constexpr GeneratorState InitialState() {
  std::uint64_t x = kRandomSeed;
  GeneratorState state{};
  for (std::uint64_t& word : state.s) word = SplitMix64(x);
  return state;
}

constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

GeneratorState state = InitialState();

std::uint64_t NextBits() {
  std::uint64_t* s = state.s;
  const std::uint64_t result = RotateLeft(s[1] * 5, 7) * 9;
  const std::uint64_t t = s[1] << 17;
  s[2] ^= s[0];
  s[3] ^= s[1];
  s[1] ^= s[2];
  s[0] ^= s[3];
  s[2] ^= t;
  s[3] = RotateLeft(s[3], 45);
  return result;
}

}  // namespace

double NextRandom() {
  // The top 53 bits make a double with every value equally likely.
  constexpr double kScale = 1.0 / 9007199254740992.0;  // 2^-53
  return static_cast<double>(NextBits() >> 11) * kScale;
}

void ResetRandomForTesting() { state = InitialState(); }

}  // namespace tesmoran
