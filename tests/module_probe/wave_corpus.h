// The tone files the real module is run against: a small valid file cut at
// every offset and changed in every header byte and bit, and files of every
// shape a wave file takes in the wild, well made or not. The same files come
// out on every run, each under a name that says what it is.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/sound/wave_bytes.h"

enum class ToneOutcome { loaded, off };

struct CorpusFile {
    // clang-format off
    std::string                name;   // unique; also its file name
    Bytes                      bytes;
    std::optional<ToneOutcome> stated = std::nullopt; // the outcome this file must have, where it is known
    // clang-format on
};

std::vector<CorpusFile> make_wave_corpus();

// The small valid file the damaged ones start from: mono 16-bit PCM at
// 11025 Hz with a 16-byte format and 32 bytes of samples.
Bytes small_valid_tone();
// Bytes of small_valid_tone() before its samples.
inline constexpr std::size_t small_tone_header_bytes = 44;

// Corpus files that damage small_valid_tone(), and those of other shapes.
void add_damaged_files(std::vector<CorpusFile>& corpus);
void add_shaped_files(std::vector<CorpusFile>& corpus);
