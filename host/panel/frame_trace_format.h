// The trace's record, one JSON object a line, named in one place for the
// host that writes it and the tools that read it back:
//   {"frame":N, "seconds":S,
//    "vars":{NAME:VALUE, ...},
//    "gauges":{LABEL:{"elements":[VALUE|null, ...], "bitmaps":[ID|null, ...],
//                     "needle_hidden":BOOL}, ...},
//    "clicks":[[LABEL, X, Y, HOW], ...],
//    "keys":[[EVENT, ARGUMENT], ...],
//    "sound":[CALL, ...]}
// `seconds` is the run's time at the frame, `elements` each element's value
// in drawing order (an icon's frame, negative for none; a needle's angle;
// null for an element without a value), `bitmaps` the bitmap each shows
// first (an icon's frame k is bitmap ID + k), `needle_hidden` only where the
// gauge has a needle. `clicks` and `keys` are what the host sent the module
// before and during the frame, `sound` the sound calls the module made in it.
#pragma once

namespace trace_field {
inline constexpr const char* frame = "frame";
inline constexpr const char* seconds = "seconds";
inline constexpr const char* vars = "vars";
inline constexpr const char* gauges = "gauges";
inline constexpr const char* elements = "elements";
inline constexpr const char* bitmaps = "bitmaps";
inline constexpr const char* needle_hidden = "needle_hidden";
inline constexpr const char* clicks = "clicks";
inline constexpr const char* keys = "keys";
inline constexpr const char* sound = "sound";
} // namespace trace_field

// The sound calls that start and end the tone, as the trace names them.
namespace trace_sound_call {
inline constexpr const char* play = "play";
inline constexpr const char* stop = "stop";
} // namespace trace_sound_call
