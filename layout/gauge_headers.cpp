#include "layout/gauge_headers.h"

#include "breakers/breaker_state.h"
#include "layout/altimeter_face.h"
#include "layout/altimeter_mouse.h"
#include "layout/breaker_face.h"
#include "layout/gauge_callbacks.h"

namespace {

constexpr GaugeHeader gauge_header(const char* name, ElementHeader* const* element_list, std::uint32_t default_size,
                                   const MouseRect* mouse_areas, GaugeCallback callback)
{
    return GaugeHeader{
        .header_version = gauge_header_version,
        .name = name,
        .element_list = element_list,
        .query_routine = query_routine,
        .install_routine = install_routine,
        .initialize_routine = initialize_routine,
        .update_routine = update_routine,
        .generate_routine = generate_routine,
        .draw_routine = draw_routine,
        .kill_routine = kill_routine,
        .reserved_10 = 0,
        .default_size = default_size,
        .reserved_12_to_19 = {},
        .mouse_areas = mouse_areas,
        .gauge_callback = callback,
        .reserved_22_on = {},
    };
}

using Zor1 = AltimeterFace<InstrumentId::zor_1>;
using Zor2 = AltimeterFace<InstrumentId::zor_2>;
using Azs1 = BreakerFace<BreakerId::azs_zor_1>;
using Azs2 = BreakerFace<BreakerId::azs_zor_2>;

} // namespace

constinit GaugeHeader zor_1_gauge_header =
    gauge_header("ZOR_1", Zor1::element_list, altimeter_default_size, AltimeterMouse<InstrumentId::zor_1>::areas,
                 zor_1_gauge_callback);
constinit GaugeHeader zor_2_gauge_header =
    gauge_header("ZOR_2", Zor2::element_list, altimeter_default_size, AltimeterMouse<InstrumentId::zor_2>::areas,
                 zor_2_gauge_callback);
constinit GaugeHeader azs_zor_1_gauge_header =
    gauge_header("AZS_ZOR_1", Azs1::element_list, breaker_default_size, Azs1::areas, breaker_gauge_callback);
constinit GaugeHeader azs_zor_2_gauge_header =
    gauge_header("AZS_ZOR_2", Azs2::element_list, breaker_default_size, Azs2::areas, breaker_gauge_callback);
