// The simulator variables the host keeps for the module: each token's value
// as the module-variable lookup hands it out. The pressure setting follows
// the key event that sets the simulator's altimeter, as in the simulator.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "abi/service_numbers.h"

// The simulator's own pressure setting at the start and after the bench's
// reset: a standard day. It is the simulated world's, not the instrument's
// default setting (instrument/instrument_limits.h), although both are the
// standard day's pressure.
inline constexpr double standard_pressure_mb = 1013.0;

struct HostVariableName {
    const char* name;
    std::uint32_t token;
};

// Names a scenario may use for the tokens; their numbers work as well.
inline constexpr HostVariableName host_variable_names[] = {
    // clang-format off
    {"tick",             token_tick},
    {"altitude",         token_altitude},
    {"kohlsman_mb",      token_kohlsman_mb},
    {"units_of_measure", token_units_of_measure},
    {"bus_volts",        token_bus_volts},
    // clang-format on
};

std::optional<std::uint32_t> host_token_by_name(const std::string& name_or_number);
const char* host_token_name(std::uint32_t token); // "" for an unknown token

// A key event the module sent, in the pilot's words: "altimeter setting
// 1013 mb sent". Traces and expectations keep the numbers.
std::string key_event_words(std::uint32_t event, std::uint32_t argument);

class HostVariables {
public:
    HostVariables();

    bool known(std::uint32_t token) const { return values_.contains(token); }
    double get(std::uint32_t token) const;
    void set(std::uint32_t token, double value);
    const std::map<std::uint32_t, double>& all() const { return values_; }

    // What the simulator does with a key event the module sends.
    void adopt_key_event(std::uint32_t event, std::uint32_t argument);

private:
    std::map<std::uint32_t, double> values_;
};
