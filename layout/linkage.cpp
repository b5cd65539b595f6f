#include "layout/linkage.h"

#include "layout/gauge_headers.h"

namespace {

// The module has nothing to set up or tear down: all its state is static.
void HOSTCALL module_nothing_to_do() {}

} // namespace

// ZOR_1 stays first: it is the gauge whose root the shared header routines
// hand to the host (layout/gauge_callbacks.cpp).
constinit LinkageRecord Linkage = {
    .module_id = module_identifier,
    .module_init = module_nothing_to_do,
    .module_deinit = module_nothing_to_do,
    .flags = 0,
    .reserved = 0,
    .module_version = module_version,
    .gauge_table = {&zor_1_gauge_header, &zor_2_gauge_header, &azs_zor_1_gauge_header, &azs_zor_2_gauge_header,
                    nullptr},
};
