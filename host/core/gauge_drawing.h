// Drawing a gauge's face from its element tree and the module's bitmaps, as
// the simulator's panel draws it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "host/core/host_platform.h"
#include "host/core/image.h"

// Decodes each bitmap once; missing ones are remembered as missing.
class BitmapCache {
public:
    explicit BitmapCache(HostPlatform& platform) : platform_(platform) {}
    const Image* get(std::uint32_t resource_id);

private:
    HostPlatform& platform_;
    std::map<std::uint32_t, std::optional<Image>> images_;
};

// The face at its own size: that of the root element's bitmap.
struct FaceSize {
    int width = 0;
    int height = 0;
};
FaceSize face_size(const GaugeHeader& gauge, BitmapCache& bitmaps);

// Every element in drawing order: static images as they are, icons in the
// frame their callback gives (none for -1), the needle turned about its
// pivot; hidden elements and pure black pixels left out.
Image draw_face(const GaugeHeader& gauge, BitmapCache& bitmaps);
