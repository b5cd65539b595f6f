#include "host/panel/element_chain.h"

#include <cmath>

namespace {

// A tree deeper than this is a broken chain, not a gauge.
constexpr std::size_t element_limit = 4096;

void walk(ElementHeader* element, std::vector<ElementHeader*>& order)
{
    if (element == nullptr || order.size() >= element_limit)
        return;
    order.push_back(element);
    if (element->next == nullptr)
        return;
    for (ElementHeader* const* next = element->next; *next != nullptr; ++next)
        walk(*next, order);
}

} // namespace

std::vector<ElementHeader*> element_chain(const GaugeHeader& gauge)
{
    std::vector<ElementHeader*> order;
    if (gauge.element_list == nullptr)
        return order;
    for (ElementHeader* const* root = gauge.element_list; *root != nullptr; ++root)
        walk(*root, order);
    return order;
}

std::optional<double> element_value(ElementHeader& element)
{
    // The callback's one word is the element itself, as the simulator passes it.
    const auto argument = reinterpret_cast<HostWord>(&element);
    if (element.kind == element_icon) {
        const auto& icon = reinterpret_cast<IconElement&>(element);
        if (icon.value != nullptr)
            return icon.value(argument);
    }
    if (element.kind == element_needle) {
        const auto& needle = reinterpret_cast<NeedleElement&>(element);
        if (needle.value != nullptr)
            return needle.value(argument);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> icon_frame(ElementHeader& element)
{
    const std::optional<double> value = element_value(element);
    if (!value || *value < 0.0 || std::isnan(*value))
        return std::nullopt;
    const auto frame = static_cast<std::uint32_t>(*value);
    if (frame >= reinterpret_cast<IconElement&>(element).frame_count)
        return std::nullopt;
    return frame;
}

bool element_hidden(const ElementHeader& element)
{
    return (element.image_flags & image_hidden) != 0;
}

ElementHeader* first_needle(const GaugeHeader& gauge)
{
    for (ElementHeader* element : element_chain(gauge))
        if (element->kind == element_needle)
            return element;
    return nullptr;
}
