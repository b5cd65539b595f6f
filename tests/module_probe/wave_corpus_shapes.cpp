// Corpus files of every shape: chunk and RIFF sizes, chunks around and
// between the two the tone needs, sample layouts and format tags.
#include "wave_corpus.h"

namespace {

constexpr auto loaded = ToneOutcome::loaded;
constexpr auto off = ToneOutcome::off;
constexpr std::size_t sample_bytes = 64;
constexpr std::uint32_t largest_size = 0xFFFFFFFF;

const Bytes mono_pcm = pcm_format(1, 22050, 16);

RiffChunkBytes format_chunk(Bytes format, std::optional<std::uint32_t> stated_size = std::nullopt)
{
    return {.id = "fmt ", .data = std::move(format), .stated_size = stated_size};
}

RiffChunkBytes samples_chunk(std::size_t bytes = sample_bytes, std::optional<std::uint32_t> stated_size = std::nullopt)
{
    return {.id = "data", .data = counting_bytes(bytes), .stated_size = stated_size};
}

// A LIST chunk such as tools write, holding one text.
RiffChunkBytes list_chunk(std::optional<std::uint32_t> stated_size = std::nullopt)
{
    return {.id = "LIST",
            .data = Bytes{'I', 'N', 'F', 'O', 'I', 'S', 'F', 'T', 2, 0, 0, 0, 'x', 0},
            .stated_size = stated_size};
}

const RiffChunkBytes fact_chunk = {.id = "fact", .data = Bytes{32, 0, 0, 0}};
const RiffChunkBytes junk_chunk = {.id = "JUNK", .data = Bytes(28, 0)};

Bytes wave(std::vector<RiffChunkBytes> chunks)
{
    return riff_file("WAVE", chunks);
}

Bytes with_riff_size(Bytes file, std::uint32_t size)
{
    Bytes stated;
    put_u32(stated, size);
    std::copy(stated.begin(), stated.end(), file.begin() + 4);
    return file;
}

// A format head followed by an extra-size field and `held` extra bytes.
Bytes with_extra(Bytes head, std::uint16_t stated_extra, std::size_t held)
{
    put_u16(head, stated_extra);
    head.resize(head.size() + held, 0x5A);
    return head;
}

Bytes with_field(Bytes format, std::size_t at, std::size_t width, std::uint32_t value)
{
    for (std::size_t i = 0; i < width; ++i)
        format[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return format;
}

void add_chunk_sizes(std::vector<CorpusFile>& c)
{
    c.push_back({"format_size_0", wave({format_chunk(mono_pcm, 0), samples_chunk()})});
    c.push_back({"format_size_odd", wave({format_chunk(mono_pcm, 15), samples_chunk()})});
    c.push_back({"format_size_beyond_file", wave({format_chunk(mono_pcm, 1000), samples_chunk()})});
    c.push_back({"format_size_ffffffff", wave({format_chunk(mono_pcm, largest_size), samples_chunk()})});
    c.push_back({"data_size_0", wave({format_chunk(mono_pcm), samples_chunk(0)}), off});
    c.push_back({"data_size_odd", wave({format_chunk(mono_pcm), samples_chunk(33)}), loaded});
    c.push_back({"data_size_beyond_file", wave({format_chunk(mono_pcm), samples_chunk(sample_bytes, 1000)}), loaded});
    c.push_back({"data_size_ffffffff", wave({format_chunk(mono_pcm), samples_chunk(sample_bytes, largest_size)}), off});
    c.push_back({"list_size_0", wave({format_chunk(mono_pcm), {.id = "LIST", .data = {}}, samples_chunk()}), loaded});
    c.push_back({"list_size_odd",
                 wave({format_chunk(mono_pcm), {.id = "LIST", .data = Bytes(3, 'x')}, samples_chunk()}), loaded});
    c.push_back({"list_size_beyond_file", wave({format_chunk(mono_pcm), list_chunk(5000), samples_chunk()}), off});
    c.push_back({"list_size_ffffffff", wave({format_chunk(mono_pcm), list_chunk(largest_size), samples_chunk()})});
}

void add_riff_sizes(std::vector<CorpusFile>& c)
{
    const Bytes good = wave({format_chunk(mono_pcm), samples_chunk()});
    const auto whole = static_cast<std::uint32_t>(good.size() - 8);
    c.push_back({"riff_size_0", with_riff_size(good, 0)});
    c.push_back({"riff_size_4", with_riff_size(good, 4)});
    c.push_back({"riff_size_short_of_data", with_riff_size(good, 4 + 8 + 16)});
    c.push_back({"riff_size_short_by_one", with_riff_size(good, whole - 1)});
    c.push_back({"riff_size_one_more", with_riff_size(good, whole + 1)});
    c.push_back({"riff_size_beyond_file", with_riff_size(good, whole * 2 + 1000)});
    c.push_back({"riff_size_ffffffff", with_riff_size(good, largest_size)});
}

void add_chunk_orders(std::vector<CorpusFile>& c)
{
    c.push_back({"fact_between", wave({format_chunk(mono_pcm), fact_chunk, samples_chunk()}), loaded});
    c.push_back({"list_between", wave({format_chunk(mono_pcm), list_chunk(), samples_chunk()}), loaded});
    c.push_back({"junk_between", wave({format_chunk(mono_pcm), junk_chunk, samples_chunk()}), loaded});
    c.push_back({"fact_list_junk_between",
                 wave({format_chunk(mono_pcm), fact_chunk, list_chunk(), junk_chunk, samples_chunk()}), loaded});
    c.push_back({"junk_before_format", wave({junk_chunk, format_chunk(mono_pcm), samples_chunk()}), loaded});
    c.push_back({"list_before_format", wave({list_chunk(), format_chunk(mono_pcm), samples_chunk()}), loaded});
    c.push_back({"two_formats", wave({format_chunk(mono_pcm), format_chunk(pcm_format(2, 44100, 8)), samples_chunk()}),
                 loaded});
    c.push_back({"two_data_chunks", wave({format_chunk(mono_pcm), samples_chunk(), samples_chunk(16)}), loaded});
    c.push_back({"data_before_format", wave({samples_chunk(), format_chunk(mono_pcm)}), off});
    c.push_back({"data_format_data", wave({samples_chunk(16), format_chunk(mono_pcm), samples_chunk()}), loaded});
    c.push_back({"no_format", wave({samples_chunk()}), off});
    c.push_back({"no_data", wave({format_chunk(mono_pcm)}), off});
    c.push_back({"riff_of_avi", riff_file("AVI ", {format_chunk(mono_pcm), samples_chunk()}), off});
    c.push_back(
        {"not_riff", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e', ' ', 'f', 'i', 'l', 'e', '\n'}, off});
}

void add_sample_layouts(std::vector<CorpusFile>& c)
{
    for (std::uint16_t bits : {8, 16})
        for (std::uint16_t channels : {1, 2})
            for (std::uint32_t rate : {11025, 22050, 44100, 48000})
                c.push_back({"pcm_" + std::to_string(bits) + "_bit_" + (channels == 1 ? "mono_" : "stereo_") +
                                 std::to_string(rate),
                             wave({format_chunk(pcm_format(channels, rate, bits)), samples_chunk()}), loaded});
    c.push_back(
        {"extensible_mono_44100", wave({format_chunk(extensible_pcm_format(1, 44100)), samples_chunk()}), loaded});
    c.push_back(
        {"extensible_stereo_48000", wave({format_chunk(extensible_pcm_format(2, 48000)), samples_chunk()}), loaded});
}

void add_format_sizes(std::vector<CorpusFile>& c)
{
    c.push_back(
        {"format_14_bytes", wave({format_chunk(Bytes(mono_pcm.begin(), mono_pcm.begin() + 14)), samples_chunk()})});
    c.push_back({"format_16_bytes", wave({format_chunk(mono_pcm), samples_chunk()}), loaded});
    c.push_back({"format_18_bytes", wave({format_chunk(with_extra(mono_pcm, 0, 0)), samples_chunk()}), loaded});
    c.push_back({"format_20_bytes", wave({format_chunk(with_extra(mono_pcm, 2, 2)), samples_chunk()}), loaded});
    c.push_back({"format_40_bytes", wave({format_chunk(extensible_pcm_format(2, 22050)), samples_chunk()}), loaded});
}

void add_format_tags(std::vector<CorpusFile>& c)
{
    const Bytes float_head = with_format_tag(pcm_format(1, 22050, 32), format_tag_float);
    const Bytes extensible = extensible_pcm_format(2, 22050);
    c.push_back({"float_32_bit", wave({format_chunk(with_extra(float_head, 0, 0)), samples_chunk()})});
    c.push_back(
        {"adpcm_50_byte_format",
         wave({format_chunk(with_extra(with_format_tag(pcm_format(1, 22050, 4), 0x0002), 32, 32)), samples_chunk()}),
         off});
    c.push_back(
        {"ima_adpcm_20_byte_format",
         wave({format_chunk(with_extra(with_format_tag(pcm_format(1, 22050, 4), 0x0011), 2, 2)), samples_chunk()})});
    c.push_back(
        {"alaw",
         wave({format_chunk(with_extra(with_format_tag(pcm_format(1, 8000, 8), 0x0006), 0, 0)), samples_chunk()})});
    c.push_back(
        {"mulaw",
         wave({format_chunk(with_extra(with_format_tag(pcm_format(1, 8000, 8), 0x0007), 0, 0)), samples_chunk()})});
    c.push_back(
        {"mpeg_layer3",
         wave({format_chunk(with_extra(with_format_tag(pcm_format(2, 44100, 0), format_tag_mpeg_layer3), 12, 12)),
               samples_chunk()})});
    c.push_back({"tag_0", wave({format_chunk(with_format_tag(mono_pcm, 0x0000)), samples_chunk()})});
    c.push_back({"tag_ffff", wave({format_chunk(with_format_tag(mono_pcm, 0xFFFF)), samples_chunk()})});

    // A count of extra bytes the chunk does not hold: PCM has no extra bytes
    // and plays; other formats would be read beyond their end.
    c.push_back({"pcm_stray_extra_size", wave({format_chunk(with_extra(mono_pcm, 22, 0)), samples_chunk()}), loaded});
    c.push_back({"float_stray_extra_size", wave({format_chunk(with_extra(float_head, 22, 0)), samples_chunk()}), off});
    c.push_back({"extensible_stray_extra_size",
                 wave({format_chunk(Bytes(extensible.begin(), extensible.begin() + 30)), samples_chunk()}), off});
}

// Head fields: channels at 2, rate at 4, byte rate at 8, block alignment at
// 12, bits at 14.
void add_zero_fields(std::vector<CorpusFile>& c)
{
    c.push_back({"zero_channels", wave({format_chunk(with_field(mono_pcm, 2, 2, 0)), samples_chunk()})});
    c.push_back({"zero_rate", wave({format_chunk(with_field(mono_pcm, 4, 4, 0)), samples_chunk()})});
    c.push_back({"zero_byte_rate", wave({format_chunk(with_field(mono_pcm, 8, 4, 0)), samples_chunk()})});
    c.push_back({"zero_block_alignment", wave({format_chunk(with_field(mono_pcm, 12, 2, 0)), samples_chunk()})});
    c.push_back({"zero_bits", wave({format_chunk(with_field(mono_pcm, 14, 2, 0)), samples_chunk()})});
}

} // namespace

void add_shaped_files(std::vector<CorpusFile>& corpus)
{
    add_chunk_sizes(corpus);
    add_riff_sizes(corpus);
    add_chunk_orders(corpus);
    add_sample_layouts(corpus);
    add_format_sizes(corpus);
    add_format_tags(corpus);
    add_zero_fields(corpus);
}
