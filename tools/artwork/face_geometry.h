// Where things sit on the 361 x 358 altimeter face, in face pixels. The digit
// windows and control boxes are where the panel layout places its icons and
// mouse areas; the radii are this artwork's own design.
#pragma once

#include "image_types.h"

namespace artwork::face {

inline constexpr FrameSize kSize{361, 358};

// The needle turns about this point, so the dial is centred on it.
inline constexpr double kCentreX = 180.0;
inline constexpr double kCentreY = 179.0;

inline constexpr double kBezelOuterRadius = 177.0;
inline constexpr double kBezelInnerRadius = 163.0;
inline constexpr double kLcdRadius = 158.0;  // lit disc; the ring beyond it stays dark

// The needle is a short bar sweeping this band; the print starts just outside it.
inline constexpr double kNeedleInnerRadius = 88.0;
inline constexpr double kNeedleOuterRadius = 126.0;
inline constexpr double kGraduationInnerRadius = 129.0;
inline constexpr double kNumeralRadius = 148.0;

// Digit windows: a blank digit must show the same plain colour as a digit
// frame's background, so the lit dial keeps these free of print.
inline constexpr PixelBox kSelectedAltitudeWindow{120, 109, 120, 32};
inline constexpr PixelBox kDeviationBorder{109, 100, 142, 47};
inline constexpr PixelBox kAltitudeWindow{114, 170, 132, 40};
inline constexpr PixelBox kPressureWindow{139, 240, 76, 25};

// Controls, drawn under the boxes the crew clicks.
inline constexpr PixelBox kBrightnessSwitch{23, 20, 45, 45};
inline constexpr PixelBox kUnitsButton{308, 9, 40, 40};
inline constexpr PixelBox kSelectedAltitudeKnob{1, 293, 60, 45};
inline constexpr PixelBox kPressureKnob{309, 293, 52, 48};

}  // namespace artwork::face
