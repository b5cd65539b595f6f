#include "host/panel/gauge_drawing.h"

const Image* BitmapCache::get(std::uint32_t resource_id)
{
    auto found = images_.find(resource_id);
    if (found == images_.end())
        found = images_.emplace(resource_id, source_.bitmap(resource_id)).first;
    return found->second ? &*found->second : nullptr;
}

// Made on first use; null for a missing bitmap.
template <typename Prepared>
const Prepared* BitmapCache::prepared(std::map<Key, std::unique_ptr<Prepared>>& made, std::uint32_t resource_id,
                                      bool black_transparent)
{
    auto found = made.find({resource_id, black_transparent});
    if (found == made.end()) {
        const Image* bitmap = get(resource_id);
        found = made.emplace(Key{resource_id, black_transparent},
                             bitmap ? std::make_unique<Prepared>(*bitmap, black_transparent) : nullptr)
                    .first;
    }
    return found->second.get();
}

const Sprite* BitmapCache::sprite(std::uint32_t resource_id, bool black_transparent)
{
    return prepared(sprites_, resource_id, black_transparent);
}

const NeedleBitmap* BitmapCache::needle(std::uint32_t resource_id, bool black_transparent)
{
    return prepared(needles_, resource_id, black_transparent);
}

void BitmapCache::clear()
{
    needles_.clear();
    sprites_.clear();
    images_.clear();
}

FaceSize face_size(const GaugeHeader& gauge, BitmapCache& bitmaps)
{
    if (gauge.element_list == nullptr || gauge.element_list[0] == nullptr)
        return {};
    const Image* root = bitmaps.get(gauge.element_list[0]->resource_id);
    return root ? FaceSize{root->width, root->height} : FaceSize{};
}
