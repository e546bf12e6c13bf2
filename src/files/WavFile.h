// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spoken text as a WAV file: 16-bit PCM, mono, at the engine's sample rate.
// The samples go to the file while they are made, so a long text needs no
// buffer of its whole audio, and the file is replaced atomically: a failed
// write leaves an existing file as it was.
#include <cstdint>
#include <filesystem>
#include <string>

#include "files/AtomicFile.h"
#include "speech/SpeechEngine.h"
#include "text/Text.h"

namespace tesmoran {

inline constexpr std::size_t kWavHeaderBytes = 44;
// The most samples a WAV file can hold: its sizes are 32-bit numbers.
inline constexpr std::uint64_t kWavMaxSamples = (0xFFFFFFFFull - (kWavHeaderBytes - 8)) / 2;

// The header of a 16-bit mono PCM file holding sampleCount samples.
std::string WavHeader(int sampleRate, std::uint32_t sampleCount);

// Speaks the text into the file.  The engine's German message when nothing
// could be spoken, the file system's reason when the file could not be
// written; an empty text gives a valid file without samples.
WriteResult WriteSpeechAsWav(const std::filesystem::path& target, const SpeechEngine& engine, TextView text,
                             const SpeechOptions& options);

}  // namespace tesmoran
