// The element chain of an altimeter face, in drawing order: the unlit face,
// the lit dial, the deviation border, the five selected-altitude digits, the
// five altitude digits, the four pressure digits and, last, the needle.
// Each element's next-element list holds only the element after it.
#pragma once

#include "abi/host_formats.h"
#include "instrument/instrument_state.h"

template <InstrumentId Id>
struct AltimeterFace {
    static StaticImageElement unlit_face;
    static IconElement lit_dial;
    static IconElement deviation_border;
    static IconElement selected_digits[selected_digit_count]; // ones first
    static IconElement altitude_digits[altitude_digit_count]; // ones first
    static IconElement pressure_digits[pressure_digit_count]; // ones first
    static NeedleElement needle;

    static ElementHeader* const element_list[2]; // the root, then 0
};

extern template struct AltimeterFace<InstrumentId::zor_1>;
extern template struct AltimeterFace<InstrumentId::zor_2>;

// Puts back what the module changes in these records at run time, the
// needles' flags, as they are at load. For tests only: the module never
// calls it.
void reset_altimeter_faces_for_tests();
