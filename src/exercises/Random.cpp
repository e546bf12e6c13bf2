#include "exercises/Random.h"

#include <cstdint>
#include <random>

namespace tesmoran {
namespace {

constexpr std::uint64_t kRandomSeed = 0x7E5A0BA9u;

std::mt19937_64& Generator() {
  static std::mt19937_64 generator(kRandomSeed);
  return generator;
}

}  // namespace

double NextRandom() {
  // The top 53 bits make a double with every value equally likely and the
  // same sequence on every platform.
  constexpr double kScale = 1.0 / 9007199254740992.0;  // 2^-53
  return static_cast<double>(Generator()() >> 11) * kScale;
}

void ResetRandomForTesting() { Generator().seed(kRandomSeed); }

}  // namespace tesmoran
