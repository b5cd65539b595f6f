// What the module must make of a tone file, worked out from the file's own
// bytes: where the system's RIFF reader finds the "fmt " and "data" chunks
// (searched as the module searches them), and then the module's rules for
// what it hands to DirectSound or refuses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/sound/wave_bytes.h"

enum class ToneReading {
    loads,           // DirectSound gets the format and samples below, and judges them
    chunks_missing,  // no "WAVE" form, no "fmt ", or no "data" after it
    format_refused,  // announces extra bytes it lacks, or a rate DirectSound refuses
    samples_refused, // no samples, or more than a sound buffer holds
};

const char* reading_name(ToneReading reading);

struct ExpectedTone {
    // clang-format off
    ToneReading reading = ToneReading::chunks_missing;
    Bytes       format;   // as DirectSound reads it: the head, then the extra bytes it announces
    Bytes       samples;  // the "data" chunk, silence where the file ends early
    // clang-format on
};

// `path` names a file holding `file`.
ExpectedTone expected_tone(const std::string& path, const Bytes& file);
