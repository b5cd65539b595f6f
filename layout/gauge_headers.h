// The four gauge headers, defined with the module's linkage. The element
// trees name their owning header, so the trees see them declared here.
#pragma once

#include "module/host_formats.h"

extern GaugeHeader zor_1_gauge_header;
extern GaugeHeader zor_2_gauge_header;
extern GaugeHeader azs_zor_1_gauge_header;
extern GaugeHeader azs_zor_2_gauge_header;
