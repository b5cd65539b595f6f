#include "host/panel/variables.h"

#include <charconv>
#include <cstdio>

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
    // A standard day on the ground with the bus off: the crew powers up.
    values_ = {
        {token_tick, 0.0},
        {token_altitude, 0.0},
        {token_kohlsman_mb, standard_pressure_mb},
        {token_units_of_measure, host_units_metric},
        {token_bus_volts, 0.0},
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
    if (event == key_event_kohlsman_set)
        values_[token_kohlsman_mb] = argument / static_cast<double>(kohlsman_units_per_mb);
}

std::string key_event_words(std::uint32_t event, std::uint32_t argument)
{
    char text[64];
    if (event == key_event_kohlsman_set)
        std::snprintf(text, sizeof text, "altimeter setting %g mb sent",
                      argument / static_cast<double>(kohlsman_units_per_mb));
    else
        std::snprintf(text, sizeof text, "key event %u (%u) sent", static_cast<unsigned>(event),
                      static_cast<unsigned>(argument));
    return text;
}
