// The full path of a file below the host's folder.
#pragma once

// Joins the host executable's drive and folder with `relative_path`, which
// begins with a backslash (the folder ends with one, so the seam holds two,
// which the file system reads as one). Returns a text of max_path_bytes that
// the caller gives back with free_sound_path, or null when the text cannot be
// allocated or the path does not fit in it.
char* build_sound_path(const char* relative_path);

// Gives back a text from build_sound_path; null is allowed.
void free_sound_path(char* path);
