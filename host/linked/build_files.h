// The bitmaps' folder and the alert tone's file that a program with the
// module's logic linked in hands its platform, where the build's generators
// wrote them: the build names them for each such program (ZOR_BITMAP_DIR,
// ZOR_ALERT_WAV), and a program built without them does not compile.
#pragma once

#ifndef ZOR_ALERT_WAV
#error "the build names the alert tone file"
#endif
#ifndef ZOR_BITMAP_DIR
#error "the build names the bitmap folder"
#endif

inline constexpr const char* built_bitmap_folder = ZOR_BITMAP_DIR;
inline constexpr const char* built_alert_tone = ZOR_ALERT_WAV;
