// The two records the module exports: Linkage, which tells the host which
// gauges the module offers, and ImportTable (declared in abi/panel_services.h
// and defined beside the calls that read it).
#pragma once

#include "abi/host_formats.h"

extern "C" LinkageRecord Linkage;
