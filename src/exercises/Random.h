// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random source of the shuffled words: one generator for the whole run,
// uniform in [0, 1), starting from the same fixed state at every program
// start and never reseeded, so that a fresh start repeats the same shuffles.

namespace tesmoran {

// The next number of the run's sequence, 0 <= r < 1.
double NextRandom();

// Puts the generator back into its starting state.  For tests only: the
// program itself never calls it.
void ResetRandomForTesting();

}  // namespace tesmoran
