// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/PracticeSegments.h"

#include <algorithm>

#include "exercises/CharacterSets.h"
#include "exercises/TransformWords.h"

namespace tesmoran {
namespace {

// Any character that is no delimiter, no sentence end and no gap mark.
constexpr Char kNeutral = U'x';

}  // namespace

std::vector<Segment> WordSegments(TextView text, const ButtonTransform& transform) {
  std::vector<Segment> segments;
  Text scanned;
  std::size_t outEnd = 0;
  std::size_t inEnd = 0;
  // The scan copies each delimiter between two calls: whatever lies between
  // the end of one word's piece and the start of the next is that delimiter.
  AppendTransformedWords(
      text,
      [&](TextView word, Text& out) {
        const auto from = static_cast<std::size_t>(word.data() - text.data());
        if (from > inEnd) segments.push_back({inEnd, from, out.substr(outEnd)});
        const std::size_t start = out.size();
        out.append(transform(Text(word)));
        segments.push_back({from, from + word.size(), out.substr(start)});
        outEnd = out.size();
        inEnd = from + word.size();
      },
      scanned);
  return segments;
}

std::vector<Segment> CharacterSegments(TextView text, const ButtonTransform& transform) {
  std::vector<Segment> segments;
  segments.reserve(text.size());
  Text before;  // the result for the character before, alone
  for (std::size_t i = 0; i < text.size(); ++i) {
    Text alone = transform(Text(1, text[i]));
    if (i == 0) {
      segments.push_back({0, 1, alone});
    } else {
      const Text both = transform(Text(text.substr(i - 1, 2)));
      const std::size_t cut = both.starts_with(before) ? before.size() : 0;
      segments.push_back({i, i + 1, both.substr(cut)});
    }
    before = std::move(alone);
  }
  return segments;
}

std::vector<Segment> GapMarkSegments(TextView text, const ButtonTransform& transform) {
  Text probe(text);
  std::replace(probe.begin(), probe.end(), U'_', kNeutral);
  const Text probed = transform(probe);
  const Text real = transform(Text(text));
  std::vector<Segment> segments;
  segments.reserve(text.size());
  std::size_t j = 0;
  for (std::size_t i = 0; i < text.size() && j < real.size(); ++i) {
    const std::size_t length = probed[j] == U'_' ? 2 : 1;
    segments.push_back({i, i + 1, real.substr(j, length)});
    j += length;
  }
  return segments;
}

std::vector<Segment> RemovalSegments(TextView text, const ButtonTransform& transform) {
  const Text result = transform(Text(text));
  std::vector<Segment> segments;
  segments.reserve(text.size());
  std::size_t j = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool kept = j < result.size() && result[j] == text[i];
    segments.push_back({i, i + 1, kept ? Text(1, text[i]) : Text()});
    if (kept) ++j;
  }
  return segments;
}

std::vector<std::size_t> SentenceCuts(TextView text, const ButtonTransform& everySentenceBackwards) {
  const Text backwards = everySentenceBackwards(Text(text));
  std::vector<std::size_t> ends;
  std::size_t start = 0;
  while (start < text.size()) {
    // A sentence after the first one starts with the character behind the
    // previous end, whatever it is, so it has at least two characters
    // unless it is the last one.
    std::size_t end = text.size();
    for (std::size_t e = start + (start > 0 ? 2 : 1); e < text.size(); ++e) {
      if (!IsSentenceEnd(text[e - 1])) continue;
      const TextView piece = text.substr(start, e - start);
      if (backwards.size() >= e && std::equal(piece.rbegin(), piece.rend(), backwards.begin() + start)) {
        end = e;
        break;
      }
    }
    ends.push_back(end);
    start = end;
  }
  return ends;
}

std::vector<Segment> SentenceSegments(TextView text, const std::vector<std::size_t>& ends,
                                      const ButtonTransform& transform) {
  // A one-letter sentence in front: its end mark is the one the real
  // sentence follows.
  const Text lead = U"x.";
  const Text leadOut = transform(lead);
  std::vector<Segment> segments;
  std::size_t start = 0;
  for (std::size_t end : ends) {
    const Text sentence(text.substr(start, end - start));
    if (start == 0) {
      segments.push_back({start, end, transform(sentence)});
    } else {
      const Text both = transform(lead + sentence);
      segments.push_back({start, end, both.starts_with(leadOut) ? both.substr(leadOut.size()) : both});
    }
    start = end;
  }
  return segments;
}

Text JoinedOutput(const std::vector<Segment>& segments) {
  Text joined;
  for (const Segment& s : segments) joined.append(s.out);
  return joined;
}

}  // namespace tesmoran
