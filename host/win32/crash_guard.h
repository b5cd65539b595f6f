// Module work run so that a fault inside it ends only that work: the host
// says where the module crashed and goes on (the bench keeps its window
// answering), instead of the process ending with the system's own report.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The fault in words ("access violation (0xc0000005) at 0x6a4c1234,
// KRV_ZOR_V1_02.gau+0x1234"), or nullopt when the work ran through.
// Work under a guard that asks for one again runs under the first: a fault
// ends all of the outer work.
std::optional<std::string> run_guarded(const std::function<void()>& work);
