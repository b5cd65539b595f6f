// The generated alert tone and wave resource, read back from the build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct PcmWave {
    std::uint16_t format_tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samples_per_second = 0;
    std::uint16_t bits_per_sample = 0;
    std::uint32_t format_bytes = 0;
    std::uint32_t data_bytes = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t read_le(const std::vector<std::uint8_t>& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes.at(at + i);
    return value;
}

PcmWave read_wave(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    PcmWave wave;
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return wave;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
        const std::uint32_t size = read_le(bytes, at + 4, 4);
        if (id == "fmt ") {
            wave.format_bytes = size;
            wave.format_tag = read_le(bytes, at + 8, 2);
            wave.channels = read_le(bytes, at + 10, 2);
            wave.samples_per_second = read_le(bytes, at + 12, 4);
            wave.bits_per_sample = read_le(bytes, at + 22, 2);
        } else if (id == "data") {
            wave.data_bytes = size;
            for (std::size_t i = 0; i + 1 < size && at + 9 + i < bytes.size(); i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(read_le(bytes, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

// The largest change of slope from one sample to the next in `samples`,
// between indices [from, to). A click is a change of slope no bell partial
// makes.
int largest_bend(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    int largest = 0;
    for (std::size_t i = std::max<std::size_t>(from, 1); i + 1 < std::min(to, samples.size()); ++i)
        largest = std::max(largest, std::abs(samples[i + 1] - 2 * samples[i] + samples[i - 1]));
    return largest;
}

TEST(GeneratedAlertTone, IsAPlainPcmFile)
{
    const PcmWave tone = read_wave(ZOR_ALERT_WAV);
    EXPECT_EQ(tone.format_tag, 1);
    EXPECT_EQ(tone.format_bytes, 16u);
    EXPECT_EQ(tone.bits_per_sample, 16);
    EXPECT_EQ(tone.data_bytes, tone.samples.size() * 2);
    EXPECT_EQ(tone.samples.size() % tone.channels, 0u);
}

TEST(GeneratedAlertTone, IsAShortClearlyAudibleChime)
{
    const PcmWave tone = read_wave(ZOR_ALERT_WAV);
    ASSERT_GT(tone.samples_per_second, 0u);
    const double seconds = static_cast<double>(tone.samples.size()) / tone.channels / tone.samples_per_second;
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, 1.0);

    const int peak = std::abs(*std::max_element(tone.samples.begin(), tone.samples.end(),
                                                [](int a, int b) { return std::abs(a) < std::abs(b); }));
    EXPECT_GT(peak, 32767 / 4); // louder than -12 dBFS
    EXPECT_LT(peak, 32767);     // and never clipped
}

TEST(GeneratedAlertTone, LoopsWithoutAClick)
{
    const PcmWave tone = read_wave(ZOR_ALERT_WAV);
    ASSERT_EQ(tone.channels, 1);
    std::vector<std::int16_t> twice = tone.samples;
    twice.insert(twice.end(), tone.samples.begin(), tone.samples.end());
    const std::size_t seam = tone.samples.size();

    const int within_the_tone = largest_bend(tone.samples, 0, tone.samples.size());
    EXPECT_LE(largest_bend(twice, seam - 2, seam + 2), within_the_tone / 10);
    EXPECT_LE(std::abs(tone.samples.front() - tone.samples.back()), 2);
}

TEST(GeneratedWaveResource, HoldsTwoSecondsOfStereoSixteenBitPcm)
{
    const PcmWave resource = read_wave(ZOR_RESOURCE_WAV);
    EXPECT_EQ(resource.format_tag, 1);
    EXPECT_EQ(resource.channels, 2);
    EXPECT_EQ(resource.samples_per_second, 22050u);
    EXPECT_EQ(resource.bits_per_sample, 16);
    EXPECT_EQ(resource.data_bytes, 176400u);
    EXPECT_EQ(resource.samples.size() * 2, 176400u);
}

} // namespace
