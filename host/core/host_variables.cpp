#include "host/core/host_variables.h"

#include <charconv>

namespace {

// A standard day on the ground with the bus off: the crew powers up.
constexpr double standard_pressure_mb = 1013.0;
constexpr double metric_units = 2.0;

} // namespace

std::optional<std::uint32_t> host_token_by_name(const std::string& name_or_number)
{
    for (const HostVariableName& entry : host_variable_names)
        if (name_or_number == entry.name)
            return entry.token;
    std::uint32_t token = 0;
    const char* end = name_or_number.data() + name_or_number.size();
    const auto [stop, error] = std::from_chars(name_or_number.data(), end, token);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return token;
}

const char* host_token_name(std::uint32_t token)
{
    for (const HostVariableName& entry : host_variable_names)
        if (entry.token == token)
            return entry.name;
    return "";
}

HostVariables::HostVariables()
{
    values_ = {
        {host_token::tick, 0.0},
        {host_token::altitude, 0.0},
        {host_token::kohlsman_mb, standard_pressure_mb},
        {host_token::units_of_measure, metric_units},
        {host_token::bus_volts, 0.0},
    };
}

double HostVariables::get(std::uint32_t token) const
{
    const auto found = values_.find(token);
    return found == values_.end() ? 0.0 : found->second;
}

void HostVariables::set(std::uint32_t token, double value)
{
    values_[token] = value;
}

void HostVariables::adopt_key_event(std::uint32_t event, std::uint32_t argument)
{
    if (event == kohlsman_set_event)
        values_[host_token::kohlsman_mb] = argument / kohlsman_units_per_mb;
}
