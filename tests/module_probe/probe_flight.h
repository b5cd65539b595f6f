// What the probe flies with the gauges: the climb into a selected altitude
// that sounds ZOR_1's alert, and a known altitude whose readout shows that
// the altimeters still work after whatever went before.
#pragma once

#include <string>

#include "probe_module.h"

// Powers ZOR_1, selects 1000 m and climbs into the capture band: the alert
// asks for the tone on each of the `frames` frames run.
void sound_the_alert(ProbeModule& module, int frames);

// Cuts the bus for a frame: the alert goes quiet, asking for the tone to
// stop and rewind.
void quiet_the_alert(ProbeModule& module);

// Powers both altimeters through their breakers and flies a known altitude
// with the standard pressure setting. Empty when ZOR_1 and ZOR_2 both show it
// in their windows and point the needle at it; otherwise what they showed.
std::string check_gauges_work(ProbeModule& module);
