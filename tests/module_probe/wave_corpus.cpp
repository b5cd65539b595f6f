#include "wave_corpus.h"

#include <cstdio>

namespace {

constexpr std::size_t small_tone_sample_bytes = 32;

std::string numbered(const char* format, unsigned a, unsigned b = 0)
{
    char name[64];
    std::snprintf(name, sizeof name, format, a, b);
    return name;
}

// A cut at every offset: the header first, then ever more of the samples.
// With the whole header and no samples the tone is all silence.
void add_cuts(std::vector<CorpusFile>& corpus, const Bytes& whole)
{
    for (std::size_t length = 0; length < whole.size(); ++length) {
        std::optional<ToneOutcome> stated;
        if (length == 0 || length == small_tone_header_bytes - 1)
            stated = ToneOutcome::off;
        if (length == small_tone_header_bytes)
            stated = ToneOutcome::loaded;
        corpus.push_back({.name = numbered("cut_at_%02u", unsigned(length)),
                          .bytes = Bytes(whole.begin(), whole.begin() + length),
                          .stated = stated});
    }
}

// Every header byte inverted, and each of its bits changed on its own.
void add_header_changes(std::vector<CorpusFile>& corpus, const Bytes& whole)
{
    for (std::size_t at = 0; at < small_tone_header_bytes; ++at) {
        Bytes inverted = whole;
        inverted[at] ^= 0xFF;
        corpus.push_back({.name = numbered("byte_%02u_inverted", unsigned(at)), .bytes = inverted});
        for (unsigned bit = 0; bit < 8; ++bit) {
            Bytes changed = whole;
            changed[at] ^= static_cast<std::uint8_t>(1u << bit);
            corpus.push_back({.name = numbered("byte_%02u_bit_%u", unsigned(at), bit), .bytes = changed});
        }
    }
}

} // namespace

Bytes small_valid_tone()
{
    return riff_file("WAVE",
                     {{.id = "fmt ", .data = pcm_format(1, 11025, 16)},
                      {.id = "data", .data = counting_bytes(small_tone_sample_bytes)}});
}

void add_damaged_files(std::vector<CorpusFile>& corpus)
{
    const Bytes whole = small_valid_tone();
    corpus.push_back({.name = "small_valid", .bytes = whole, .stated = ToneOutcome::loaded});
    add_cuts(corpus, whole);
    add_header_changes(corpus, whole);
}

std::vector<CorpusFile> make_wave_corpus()
{
    std::vector<CorpusFile> corpus;
    add_damaged_files(corpus);
    add_shaped_files(corpus);
    return corpus;
}
