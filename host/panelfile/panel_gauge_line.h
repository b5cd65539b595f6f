// One gauge line of a panel window (gaugeNN=MODULE!GAUGE, X, Y[, W[, H[,
// PARAMETER]]], as host/panelfile/panel_file.h describes it), read apart from
// the window it stands in: the window keeps the numbering, the line its fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/panelfile/panel_file.h"

// The key of gauge line `number` as a panel file writes it: "gauge07".
std::string gauge_key(int number);

// The gauge the line places, or nullopt when it places none; what is wrong
// with it goes to `messages`, on `line`: a problem, or a note for what is
// only left out.
std::optional<PanelGaugeLine> read_gauge_line(int line, int number, std::string_view value,
                                              std::vector<PanelFileMessage>& messages);
