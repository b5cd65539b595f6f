// The wave corpus run through the real module as its tone file: for each
// file, the set-up at code 2 judged against what the file's bytes call for,
// the alert played and quieted, the gauges read, and code 12 giving back
// every sound object.
#pragma once

#include <string>

#include "probe_setup.h"

// Prints each file's outcome, every failure and the count of each outcome;
// true when no file failed. Leaves the corpus files in `corpus_folder`.
bool run_wave_corpus(const ProbeSetup& setup, const std::string& corpus_folder);
