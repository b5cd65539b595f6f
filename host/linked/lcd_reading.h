// What the LCD windows of both altimeters show, in words, for a reader that
// cannot see the panel (the page's screen-reader line): altitude, selected
// altitude and pressure as their digits read, and whether the alert tone
// sounds. It reads the linked module's own digit records, the ones its
// display callbacks hand the panel.
#pragma once

#include <string>

// "ZOR_1: altitude 120 m, selected 1500 m, pressure 1013; ZOR_2: off; alert quiet"
std::string lcd_reading();
