// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads back an Ogg Opus stream for the tests of the audio files: checks
// every Ogg page (capture pattern, checksum, sequence, first and last page
// flags) and takes the Opus headers and the length from them.
#include <cstdint>
#include <string>
#include <vector>

namespace tesmoran::testing {

struct OggOpusFacts {
  std::string problem;     // the first thing wrong with the stream; empty when it is sound
  std::string head, tags;  // the magic words of the two header packets
  int channels = 0;
  std::uint32_t preSkip = 0, inputRate = 0;
  std::vector<std::string> comments;  // "TAG=value"
  std::uint64_t lastGranule = 0;      // in 48 kHz samples
  std::size_t audioPackets = 0;
  std::size_t pages = 0;

  // The length of the decoded audio.
  double Seconds() const { return lastGranule > preSkip ? (lastGranule - preSkip) / 48000.0 : 0.0; }
  bool HasComment(const std::string& comment) const {
    for (const std::string& c : comments) {
      if (c == comment) return true;
    }
    return false;
  }
};

inline std::uint32_t OggCrc(const std::string& bytes, std::size_t from, std::size_t count) {
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < count; ++i) {
    // The checksum is taken with its own four bytes (22 to 25) as zeros.
    const std::size_t at = from + i;
    const std::uint8_t byte = (i >= 22 && i < 26) ? 0 : static_cast<std::uint8_t>(bytes[at]);
    crc ^= static_cast<std::uint32_t>(byte) << 24;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
  }
  return crc;
}

inline std::uint64_t LittleEndian(const std::string& bytes, std::size_t at, int count) {
  std::uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

// The OpusTags packet's comments, or a problem.
inline void ReadOpusTags(const std::string& packet, OggOpusFacts& facts) {
  facts.tags = packet.substr(0, 8);
  if (packet.size() < 16) {
    facts.problem = "OpusTags too short";
    return;
  }
  std::size_t at = 12 + LittleEndian(packet, 8, 4);
  if (at + 4 > packet.size()) {
    facts.problem = "OpusTags vendor overruns";
    return;
  }
  const std::uint64_t count = LittleEndian(packet, at, 4);
  at += 4;
  for (std::uint64_t k = 0; k < count; ++k) {
    if (at + 4 > packet.size() || at + 4 + LittleEndian(packet, at, 4) > packet.size()) {
      facts.problem = "OpusTags comment overruns";
      return;
    }
    const std::size_t length = LittleEndian(packet, at, 4);
    facts.comments.push_back(packet.substr(at + 4, length));
    at += 4 + length;
  }
}

inline OggOpusFacts ReadOggOpus(const std::string& bytes) {
  OggOpusFacts facts;
  std::vector<std::string> packets;
  std::string packet;
  std::uint32_t serial = 0;
  bool ended = false;
  std::size_t at = 0;
  while (at < bytes.size() && facts.problem.empty()) {
    if (ended)
      facts.problem = "bytes after the last page";
    else if (bytes.size() - at < 27 || bytes.compare(at, 4, "OggS") != 0)
      facts.problem = "no Ogg page here";
    if (!facts.problem.empty()) break;
    const int flags = static_cast<unsigned char>(bytes[at + 5]);
    const std::size_t segments = static_cast<unsigned char>(bytes[at + 26]);
    if (at + 27 + segments > bytes.size()) {
      facts.problem = "segment table overruns";
      break;
    }
    std::size_t body = 0;
    for (std::size_t s = 0; s < segments; ++s) body += static_cast<unsigned char>(bytes[at + 27 + s]);
    const std::size_t pageSize = 27 + segments + body;
    if (at + pageSize > bytes.size()) {
      facts.problem = "page overruns the stream";
      break;
    }
    if (LittleEndian(bytes, at + 22, 4) != OggCrc(bytes, at, pageSize)) facts.problem = "wrong page checksum";
    if (LittleEndian(bytes, at + 18, 4) != facts.pages) facts.problem = "page out of sequence";
    if (((flags & 0x02) != 0) != (facts.pages == 0)) facts.problem = "first-page flag wrong";
    if (facts.pages == 0) serial = static_cast<std::uint32_t>(LittleEndian(bytes, at + 14, 4));
    if (LittleEndian(bytes, at + 14, 4) != serial) facts.problem = "second stream in the file";
    const std::uint64_t granule = LittleEndian(bytes, at + 6, 8);
    if (granule != ~std::uint64_t{0}) facts.lastGranule = granule;
    ended = (flags & 0x04) != 0;
    std::size_t from = at + 27 + segments;
    for (std::size_t s = 0; s < segments; ++s) {
      const std::size_t lace = static_cast<unsigned char>(bytes[at + 27 + s]);
      packet.append(bytes, from, lace);
      from += lace;
      if (lace < 255) {
        packets.push_back(packet);
        packet.clear();
      }
    }
    ++facts.pages;
    at += pageSize;
  }
  if (!facts.problem.empty()) return facts;
  if (!ended)
    facts.problem = "no last-page flag";
  else if (packets.size() < 2)
    facts.problem = "headers missing";
  if (!facts.problem.empty()) return facts;
  const std::string& head = packets[0];
  facts.head = head.substr(0, 8);
  if (head.size() < 19) {
    facts.problem = "OpusHead too short";
    return facts;
  }
  facts.channels = static_cast<unsigned char>(head[9]);
  facts.preSkip = static_cast<std::uint32_t>(LittleEndian(head, 10, 2));
  facts.inputRate = static_cast<std::uint32_t>(LittleEndian(head, 12, 4));
  ReadOpusTags(packets[1], facts);
  facts.audioPackets = packets.size() - 2;
  return facts;
}

}  // namespace tesmoran::testing
