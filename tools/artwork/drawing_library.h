// Cairo and fontconfig keep font caches for the life of the process. Releasing
// them at the end keeps leak checkers quiet, so that a sanitized build can run
// the generator without reporting the libraries' caches as our leaks.
#pragma once

// Call once, after the last drawing; nothing may be drawn afterwards.
void release_drawing_library();
