// What drawing a gauge's face needs from the module's bitmaps, as the
// simulator's panel draws it: each bitmap decoded once, and made ready to
// copy or to turn once for each way an element draws it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "host/panel/platform.h"
#include "host/raster/image.h"
#include "host/raster/needle_drawing.h"
#include "host/raster/sprite.h"

// Missing bitmaps are remembered as missing.
class BitmapCache {
public:
    explicit BitmapCache(BitmapSource& source) : source_(source) {}
    const Image* get(std::uint32_t resource_id);
    const Sprite* sprite(std::uint32_t resource_id, bool black_transparent);
    const NeedleBitmap* needle(std::uint32_t resource_id, bool black_transparent);
    // Forgets everything decoded, for a module that has been replaced.
    void clear();

private:
    using Key = std::pair<std::uint32_t, bool>; // resource id, black transparent

    template <typename Prepared>
    const Prepared* prepared(std::map<Key, std::unique_ptr<Prepared>>& made, std::uint32_t resource_id,
                             bool black_transparent);

    BitmapSource& source_;
    std::map<std::uint32_t, std::optional<Image>> images_;
    std::map<Key, std::unique_ptr<Sprite>> sprites_;
    std::map<Key, std::unique_ptr<NeedleBitmap>> needles_;
};

// The face at its own size: that of the root element's bitmap.
struct FaceSize {
    int width = 0;
    int height = 0;
    bool operator==(const FaceSize&) const = default;
};
FaceSize face_size(const GaugeHeader& gauge, BitmapCache& bitmaps);
