// Linkage, one of the two records the module exports: it tells the host
// which gauges the module offers. It lives with the gauge headers it lists,
// since the shared header routines read its first gauge at every call. The
// other, ImportTable, is declared in abi/panel_services.h and defined beside
// the calls that read it.
#pragma once

#include "abi/host_formats.h"

extern "C" LinkageRecord Linkage;
