// The alert chime: two bell-like notes, high then low, that loop seamlessly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr std::uint32_t chime_samples_per_second = 22050;
// Half a second: one "ding-dong".
inline constexpr std::size_t chime_loop_frames = chime_samples_per_second / 2;

// One loop of the chime, mono. Every note rises from silence and dies back
// to silence with a smooth edge, so the end of one loop meets the start of
// the next without a step.
std::vector<std::int16_t> chime_loop();

// `frames` frames of the chime looped, each repeated on `channels` channels.
std::vector<std::int16_t> looped_chime(std::size_t frames, int channels);
