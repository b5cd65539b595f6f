#include "instrument/needle.h"

ElementHeader* find_needle(const GaugeHeader* gauge)
{
    if (gauge == nullptr || gauge->element_list == nullptr)
        return nullptr;
    ElementHeader* element = gauge->element_list[0];
    for (int position = 1; element != nullptr && position < needle_chain_position; ++position)
        element = element->next != nullptr ? element->next[0] : nullptr;
    return element;
}

void set_needle_hidden(const GaugeHeader* gauge, bool hidden)
{
    ElementHeader* needle = find_needle(gauge);
    if (needle == nullptr)
        return;
    if (hidden)
        needle->image_flags |= image_hidden;
    else
        needle->image_flags &= ~image_hidden;
}
