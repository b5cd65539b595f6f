#include "host/panel/gauge_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

std::optional<std::string> GaugePlacement::place(const std::string& name, int x, int y, std::optional<int> width)
{
    for (std::size_t module = 0; module < modules_.module_count(); ++module)
        if (modules_.gauge_named(name, module) != nullptr)
            return place(module, name, x, y, width);
    return std::nullopt;
}

std::optional<std::string> GaugePlacement::place(std::size_t module, const std::string& name, int x, int y,
                                                 std::optional<int> width, std::optional<int> height)
{
    const auto size = placed_size(module, name, width, height);
    if (!size)
        return std::nullopt;
    GaugeHeader* header = modules_.gauge_named(name, module);
    // Repeats count by name: two modules may offer gauges of one name.
    int repeats = 1;
    for (const PlacedGauge& gauge : gauges_)
        repeats += gauge.header->name != nullptr && name == gauge.header->name ? 1 : 0;
    PlacedGauge gauge;
    gauge.label = repeats == 1 ? name : name + "#" + std::to_string(repeats);
    gauge.header = header;
    gauge.bitmaps = &modules_.bitmaps(module);
    gauge.x = x;
    gauge.y = y;
    gauge.face = face_size(*header, *gauge.bitmaps);
    gauge.width = size->width;
    gauge.height = size->height;
    gauges_.push_back(gauge);
    return gauges_.back().label;
}

std::optional<FaceSize> GaugePlacement::placed_size(std::size_t module, const std::string& name,
                                                    std::optional<int> width, std::optional<int> height) const
{
    GaugeHeader* header = modules_.gauge_named(name, module);
    if (header == nullptr)
        return std::nullopt;
    const FaceSize face = face_size(*header, modules_.bitmaps(module));
    const int placed_width = width.value_or(face.width);
    // A width alone keeps the face's shape; the height is worked out wide
    // enough for any width, and a later limit check sees what it comes to.
    const double shaped = face.width > 0 ? std::round(double(placed_width) * face.height / face.width) : 0.0;
    return FaceSize{placed_width,
                    height ? *height : static_cast<int>(std::min(shaped, double(std::numeric_limits<int>::max())))};
}

const PlacedGauge* GaugePlacement::placed(const std::string& label) const
{
    const std::size_t index = index_of(label);
    return index < gauges_.size() ? &gauges_[index] : nullptr;
}

std::size_t GaugePlacement::index_of(const std::string& label) const
{
    for (std::size_t i = 0; i < gauges_.size(); ++i)
        if (gauges_[i].label == label)
            return i;
    return gauges_.size();
}

void GaugePlacement::set_backdrop(PanelBackdrop backdrop)
{
    backdrop_ = std::move(backdrop);
    ++layout_number_;
}

void GaugePlacement::clear()
{
    gauges_.clear();
    backdrop_ = PanelBackdrop{};
    ++layout_number_;
}
