// The four gauge headers. Each element record names its owning header, so
// the trees below the module declare the headers here; they are defined
// with the module's Linkage, in module/linkage.cpp.
#pragma once

#include "abi/host_formats.h"

extern GaugeHeader zor_1_gauge_header;
extern GaugeHeader zor_2_gauge_header;
extern GaugeHeader azs_zor_1_gauge_header;
extern GaugeHeader azs_zor_2_gauge_header;
