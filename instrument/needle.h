// The needle is found by walking the gauge's element chain: it is the last
// of the chain's elements, reached by following the first entry of each
// element's next-element list from the root.
#pragma once

#include "abi/host_formats.h"

inline constexpr int needle_chain_position = 18;

// The needle element of the gauge, or null when the chain is shorter.
ElementHeader* find_needle(const GaugeHeader* gauge);

// Sets or clears the needle's hidden flag; nothing when there is no needle.
void set_needle_hidden(const GaugeHeader* gauge, bool hidden);
