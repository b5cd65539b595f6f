// The host programs' exit statuses, the same for the native and the Windows
// program, as the README lists them.
#pragma once

inline constexpr int exit_expectation_failed = 1;
inline constexpr int exit_unusable = 2;
// 3 is the module calling a panel service this host does not offer: the
// panel's services end the program with it (host/panel/services.cpp).
inline constexpr int exit_host_failed = 4;
inline constexpr int exit_module_crashed = 5;
// An output (film, trace, picture, recording, report) refused or not
// written whole; its target is left as it was.
inline constexpr int exit_output_failed = 6;
