// The simulator variables the host keeps for the module: each token's value
// as the module-variable lookup hands it out. The pressure setting follows
// the key event that sets the simulator's altimeter, as in the simulator.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace host_token {
inline constexpr std::uint32_t tick             = 1;
inline constexpr std::uint32_t altitude         = 74;
inline constexpr std::uint32_t kohlsman_mb      = 75;
inline constexpr std::uint32_t units_of_measure = 335;
inline constexpr std::uint32_t bus_volts        = 753;
}

// The altimeter-setting key event and its argument's unit.
inline constexpr std::uint32_t kohlsman_set_event = 66040;
inline constexpr double kohlsman_units_per_mb = 16.0;

struct HostVariableName {
    const char*   name;
    std::uint32_t token;
};

// Names a scenario may use for the tokens; their numbers work as well.
inline constexpr HostVariableName host_variable_names[] = {
    {"tick",             host_token::tick},
    {"altitude",         host_token::altitude},
    {"kohlsman_mb",      host_token::kohlsman_mb},
    {"units_of_measure", host_token::units_of_measure},
    {"bus_volts",        host_token::bus_volts},
};

std::optional<std::uint32_t> host_token_by_name(const std::string& name_or_number);
const char* host_token_name(std::uint32_t token);   // "" for an unknown token

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
