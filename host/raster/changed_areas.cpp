#include "host/raster/changed_areas.h"

#include <algorithm>

void ChangedAreas::add(const PixelBox& box)
{
    if (box.empty())
        return;
    for (const PixelBox& kept : boxes_)
        if (contains(kept, box))
            return;
    std::erase_if(boxes_, [&](const PixelBox& kept) { return contains(box, kept); });
    boxes_.push_back(box);
    if (boxes_.size() > box_limit) {
        PixelBox all;
        for (const PixelBox& kept : boxes_)
            all = bounding(all, kept);
        boxes_.assign(1, all);
    }
}

void ChangedAreas::add(const std::vector<PixelBox>& boxes)
{
    for (const PixelBox& box : boxes)
        add(box);
}

std::vector<PixelBox> ChangedAreas::take()
{
    std::vector<PixelBox> taken;
    taken.swap(boxes_);
    return taken;
}
