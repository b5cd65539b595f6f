// Whether an MP4 file the encoder wrote is whole, read from the file itself
// where the system gives no exit status for the encoder (a Unix ffmpeg
// started under Wine).
#pragma once

#include <optional>
#include <string>

// Why the MP4 file at `path` is not whole, or nullopt: its top-level boxes
// must cover the file exactly, and its index (moov), which the encoder
// writes last, and its media (mdat) must be there.
std::optional<std::string> mp4_fault(const std::string& path);
