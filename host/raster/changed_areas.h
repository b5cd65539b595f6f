// The areas of a picture to draw again. A box already covered by another is
// not kept twice; past a handful, one box around them all stands for them,
// so a picture nobody looks at for long does not gather an endless list.
#pragma once

#include <cstddef>
#include <vector>

#include "host/raster/pixel_box.h"

class ChangedAreas {
public:
    void add(const PixelBox& box);
    void add(const std::vector<PixelBox>& boxes);
    const std::vector<PixelBox>& boxes() const { return boxes_; }
    bool empty() const { return boxes_.empty(); }

    // The boxes, forgotten here.
    std::vector<PixelBox> take();

private:
    static constexpr std::size_t box_limit = 16;
    std::vector<PixelBox> boxes_;
};
