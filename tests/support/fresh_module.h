// Every static record of the module back as it is at load, before every
// test suite and every test, from the listener in fresh_module.cpp, so no
// test depends on what another left (host/linked/fresh_module.h).
#pragma once

#include "host/linked/fresh_module.h"
