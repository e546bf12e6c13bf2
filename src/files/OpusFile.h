// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spoken text as Ogg Opus: mono, encoded by libopusenc from the engine's
// samples at the engine's rate (the library resamples).  Like the WAV file,
// the file is written while the audio is made, so a long text needs no
// buffer of its whole audio, and it is replaced atomically: a failed write
// leaves an existing file as it was.
#include <filesystem>
#include <string>

#include "files/AtomicFile.h"
#include "speech/SpeechEngine.h"
#include "text/Text.h"

namespace tesmoran {

// Bits a second of an audio file: clear speech, about 180 KB a minute.
inline constexpr int kOpusFileBitrate = 24000;
// The lowest and highest bitrate libopus takes for one channel.
inline constexpr int kOpusMinBitrate = 6000;
inline constexpr int kOpusMaxBitrate = 256000;

// Speaks the text into the file.  The engine's German message when nothing
// could be spoken, the file system's reason when the file could not be
// written; an empty text gives a valid stream without sound.
WriteResult WriteSpeechAsOpus(const std::filesystem::path& target, const SpeechEngine& engine, TextView text,
                              const SpeechOptions& options, int bitrate = kOpusFileBitrate);

struct OpusBytes {
  std::string bytes;  // the whole Ogg Opus stream
  Text error;         // the German message when it could not be made, else empty
};

// The same stream in memory, without padding for later tags, in packets of
// 60 ms, and with a fixed stream number, so that the same text gives the
// same bytes: for short texts, such as the sentences a page carries.
OpusBytes SpeechAsOpusBytes(const SpeechEngine& engine, TextView text, const SpeechOptions& options, int bitrate);

}  // namespace tesmoran
