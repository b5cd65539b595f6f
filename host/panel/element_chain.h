// Reading a gauge's element tree the way the host draws it: from the root
// of the header's element list, each element before the ones its
// next-element list names.
#pragma once

#include <optional>
#include <vector>

#include "abi/host_formats.h"

// Every element of the gauge's tree in drawing order.
std::vector<ElementHeader*> element_chain(const GaugeHeader& gauge);

// What an element's value callback says now: the frame of an icon (negative
// for none) or the angle of a needle; nullopt for an element without one.
std::optional<double> element_value(ElementHeader& element);

// The frame an icon draws, or nullopt when its callback asks for none or
// names a frame the icon does not have.
std::optional<std::uint32_t> icon_frame(ElementHeader& element);

bool element_hidden(const ElementHeader& element);

// The first needle of the tree, if it has one.
ElementHeader* first_needle(const GaugeHeader& gauge);
