// The kept, partly redrawn pictures against the oracle, on a gauge
// made here: its bitmaps have what the module's lack (translucent pixels,
// pixels of alpha 0, elements reaching past the face, a second needle
// without the filter) and its callbacks log every call.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>

#include "host/panel/panel_canvas.h"
#include "host/raster/shown_picture.h"
#include "layout/element_records.h"
#include "reference_drawing.h"

namespace {

// What each element's callback answers, and every call, in order.
std::map<const ElementHeader*, double> answers;
std::vector<const ElementHeader*> asked;

double HOSTCALL answer(HostWord element)
{
    const auto* header = reinterpret_cast<const ElementHeader*>(element);
    asked.push_back(header);
    return answers[header];
}

constexpr std::uint32_t face_id = 1000, icon_id = 1001, overlay_id = 1010, needle_id = 1100;
constexpr std::uint32_t icon_frames = 3;

Image face_bitmap()
{
    Image image(40, 30);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.at(x, y) = x + y < 4 ? Rgba{0, 0, 0, 255} : Rgba{std::uint8_t(x * 6), std::uint8_t(y * 8), 100, 255};
    return image;
}

// Opaque, pure black, translucent and undrawn columns.
Image icon_bitmap(int frame)
{
    Image image(10, 8, {200, std::uint8_t(30 * frame), 10, 255});
    for (int y = 0; y < image.height; ++y) {
        image.at(0, y) = {0, 0, 0, 255};
        image.at(4, y) = image.at(5, y) = {10, 200, 40, 120};
        image.at(9, y) = {90, 90, 90, 0};
    }
    return image;
}

Image needle_bitmap()
{
    Image image(20, 3, {0, 0, 0, 255});
    for (int y = 0; y < image.height; ++y)
        for (int x = 6; x < image.width; ++x)
            image.at(x, y) = {220, std::uint8_t(200 - 5 * x), 40, std::uint8_t(x == 19 ? 100 : 255)};
    return image;
}

class HandMadeBitmaps : public HostPlatform {
public:
    HandMadeBitmaps()
    {
        images_[face_id] = face_bitmap();
        for (std::uint32_t frame = 0; frame < icon_frames; ++frame)
            images_[icon_id + frame] = icon_bitmap(static_cast<int>(frame));
        images_[overlay_id] = Image(12, 12, {0, 0, 0, 255});
        images_[overlay_id].at(5, 5) = {250, 250, 250, 255};
        images_[needle_id] = needle_bitmap();
    }
    std::optional<Image> bitmap(std::uint32_t id) override
    {
        const auto found = images_.find(id);
        return found == images_.end() ? std::nullopt : std::optional<Image>(found->second);
    }
    std::string format_tooltip(const char*, const std::vector<std::int32_t>&) override { return ""; }
    std::vector<std::string> take_sound_requests() override { return {}; }
    WindowLookup window_lookup() override { return {}; }

private:
    std::map<std::uint32_t, Image> images_;
};

constexpr std::uint32_t transparent_bright = image_transparent | image_bright;

// The chain: face, an icon inside, an icon over the bottom-right edge, an
// opaque overlay over the top-left edge, a filtered needle, an unfiltered
// one that draws its black.
struct HandMadeGauge {
    StaticImageElement face =
        static_image_record(element_header(element_static_image, face_id, {0, 0}, image_transparent, nullptr, nullptr));
    IconElement inner = icon_record(element_header(element_icon, icon_id, {5, 5}, transparent_bright, nullptr, nullptr),
                                    icon_frames, answer);
    IconElement edge = icon_record(
        element_header(element_icon, icon_id, {34, 25}, transparent_bright, nullptr, nullptr), icon_frames, answer);
    StaticImageElement overlay =
        static_image_record(element_header(element_static_image, overlay_id, {-4, -3}, 0, nullptr, nullptr));
    NeedleElement filtered = needle_record(element_header(element_needle, needle_id, {20, 15},
                                                          image_transparent | image_bilinear, nullptr, nullptr, {2, 1}),
                                           answer);
    NeedleElement plain =
        needle_record(element_header(element_needle, needle_id, {12, 20}, 0, nullptr, nullptr, {0, 1}), answer);
    ElementHeader* const after_face[2] = {&inner.header, nullptr};
    ElementHeader* const after_inner[2] = {&edge.header, nullptr};
    ElementHeader* const after_edge[2] = {&overlay.header, nullptr};
    ElementHeader* const after_overlay[2] = {&filtered.header, nullptr};
    ElementHeader* const after_filtered[2] = {&plain.header, nullptr};
    ElementHeader* const root[2] = {&face.header, nullptr};
    GaugeHeader header{};

    HandMadeGauge()
    {
        header.element_list = root;
        face.header.next = after_face;
        inner.header.next = after_inner;
        edge.header.next = after_edge;
        overlay.header.next = after_overlay;
        filtered.header.next = after_filtered;
    }
    std::vector<ElementHeader*> elements()
    {
        return {&face.header, &inner.header, &edge.header, &overlay.header, &filtered.header, &plain.header};
    }
};

class CachedDrawing : public ::testing::Test {
protected:
    HandMadeBitmaps platform;
    BitmapCache bitmaps{platform};
    ReferenceBitmaps reference{platform};
    HandMadeGauge gauge;
    PanelCanvas canvas;
    // At face size, shrunk, and grown over the first: placed three times.
    std::vector<PlacedGauge> places = {
        // clang-format off
        {.label = "HAND", .header = &gauge.header, .bitmaps = &bitmaps, .x = 0,  .y = 0,  .width = 40, .height = 30, .face = {40, 30}},
        {.label = "HAND", .header = &gauge.header, .bitmaps = &bitmaps, .x = 50, .y = 0,  .width = 25, .height = 19, .face = {40, 30}},
        {.label = "HAND", .header = &gauge.header, .bitmaps = &bitmaps, .x = 30, .y = 10, .width = 61, .height = 46, .face = {40, 30}},
        // clang-format on
    };

    void SetUp() override
    {
        answers.clear();
        asked.clear();
    }

    // The panel, and the callbacks it asked, against the oracle's.
    void expect_panel_as_oracle(const std::string& when)
    {
        asked.clear();
        const Image seen = canvas.draw_panel(places);
        const std::vector<const ElementHeader*> seen_asked = asked;
        asked.clear();
        EXPECT_EQ(difference(seen, reference_panel(places, reference)), "") << when;
        EXPECT_EQ(seen_asked, asked) << when;
    }

    void expect_face_as_oracle(std::size_t place, const std::string& when)
    {
        asked.clear();
        const Image seen = canvas.draw_face(places, place);
        const std::vector<const ElementHeader*> seen_asked = asked;
        asked.clear();
        EXPECT_EQ(difference(seen, reference_face(gauge.header, reference)), "") << when;
        EXPECT_EQ(seen_asked, asked) << when;
    }
};

TEST_F(CachedDrawing, EveryStepOfAChangingGaugeMatchesTheOracle)
{
    std::mt19937 random(8);
    const double frames[] = {-1, 0, 1, 2, 3, 1.7, 40}; // 3 and 40: beyond the icon's frames
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 300; ++step) {
        // A few things change at each step, sometimes nothing.
        for (int change = pick(3); change > 0; --change) {
            ElementHeader* element = gauge.elements()[static_cast<std::size_t>(pick(6))];
            if (pick(5) == 0)
                element->image_flags ^= image_hidden;
            else if (element->kind == element_icon)
                answers[element] = frames[pick(7)];
            else if (element->kind == element_needle)
                answers[element] = (static_cast<int>(random() % 28800) - 14400) / 10.0;
        }
        const std::string when = "step " + std::to_string(step);
        switch (pick(3)) {
        case 0: expect_panel_as_oracle(when); break;
        case 1: expect_face_as_oracle(static_cast<std::size_t>(pick(3)), when); break;
        default:
            expect_face_as_oracle(static_cast<std::size_t>(pick(3)), when);
            expect_panel_as_oracle(when);
        }
        if (HasFailure())
            return;
    }
}

TEST_F(CachedDrawing, ShownElementsAreAskedOnceADrawInDrawingOrderEvenWhenNothingChanged)
{
    gauge.overlay.header.image_flags |= image_hidden;
    gauge.plain.header.image_flags |= image_hidden;
    const std::vector<const ElementHeader*> one_face = {&gauge.inner.header, &gauge.edge.header,
                                                        &gauge.filtered.header};
    for (int draw = 0; draw < 3; ++draw) {
        asked.clear();
        canvas.draw_panel(places);
        std::vector<const ElementHeader*> expected;
        for (std::size_t i = 0; i < places.size(); ++i)
            expected.insert(expected.end(), one_face.begin(), one_face.end());
        EXPECT_EQ(asked, expected) << "draw " << draw;
        asked.clear();
        canvas.draw_face(places, 1);
        EXPECT_EQ(asked, one_face) << "draw " << draw;
    }
}

TEST_F(CachedDrawing, ANeedleAtAnAngleThatIsNoNumberIsNotDrawn)
{
    gauge.plain.header.image_flags |= image_hidden;
    answers[&gauge.filtered.header] = 45;
    canvas.draw_panel(places);
    for (double angle : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 30.0}) {
        answers[&gauge.filtered.header] = angle;
        const Image seen = canvas.draw_face(places, 0);
        gauge.filtered.header.image_flags |= image_hidden;
        const Picture without_needle = reference_face(gauge.header, reference);
        gauge.filtered.header.image_flags &= ~image_hidden;
        EXPECT_EQ(difference(seen, without_needle) == "", !std::isfinite(angle)) << angle;
    }
}

TEST_F(CachedDrawing, PlacedElsewhereThePanelStartsAfresh)
{
    expect_panel_as_oracle("first places");
    places.pop_back();
    places[1].x = 2; // now over the first
    answers[&gauge.filtered.header] = 200;
    expect_panel_as_oracle("second places");
    places.clear();
    const Image& empty = canvas.draw_panel(places);
    EXPECT_EQ(empty.width * empty.height, 1);
}

// The needle alone, against the oracle, at angles all round, filtered or not, black drawn or
// not, over a face half undrawn, so that its translucent edges are laid
// both over nothing and over colour.
TEST(NeedleDrawing, EveryAngleMatchesTheOracle)
{
    const Image bitmap = needle_bitmap();
    Image background(48, 40);
    fill(background, {0, 0, 48, 20}, {30, 60, 90, 255});
    std::vector<double> angles = {0, 90, 180, 270, 360, -0.0, -90, 1e6, 12.5};
    for (double a = 0; a < 360; a += 0.7)
        angles.push_back(a);
    for (bool bilinear : {true, false})
        for (bool black_transparent : {true, false}) {
            const NeedleBitmap needle(bitmap, black_transparent);
            for (double angle : angles) {
                Image seen = background;
                Picture expected(background);
                const NeedlePlacement placement = {.pivot_x = 2,
                                                   .pivot_y = 1,
                                                   .centre_x = 24,
                                                   .centre_y = 20,
                                                   .angle_degrees = angle,
                                                   .bilinear = bilinear};
                draw_turned(seen, needle, placement, seen.bounds());
                reference_turned(expected, Picture(bitmap),
                                 {.pivot_x = 2,
                                  .pivot_y = 1,
                                  .centre_x = 24,
                                  .centre_y = 20,
                                  .angle_degrees = angle,
                                  .bilinear = bilinear,
                                  .black_transparent = black_transparent});
                ASSERT_EQ(difference(seen, expected), "")
                    << angle << " degrees, filtered " << bilinear << ", black transparent " << black_transparent;
            }
        }
}

} // namespace

// The screen's copy: opaque, and only the box that changed handed on.
TEST(ShownPicture, TheBoxThatChangedIsAllAtFirstThenTheChangeThenNothing)
{
    Image picture(5, 4, Rgba{0, 0, 0, 0});
    picture.at(1, 1) = Rgba{200, 10, 10, 255};
    ShownPicture shown;
    EXPECT_EQ(shown.take(picture), (PixelBox{.left = 0, .top = 0, .right = 5, .bottom = 4}));
    EXPECT_EQ(shown.pixels()[0], (Rgba{0, 0, 0, 255})) << "an undrawn pixel shows black";
    EXPECT_TRUE(shown.take(picture).empty());
    picture.at(4, 2) = Rgba{1, 2, 3, 255};
    picture.at(2, 0) = Rgba{1, 2, 3, 0}; // undrawn, but not black: shown as its colour, opaque
    EXPECT_EQ(shown.take(picture), (PixelBox{.left = 2, .top = 0, .right = 5, .bottom = 3}));
    EXPECT_EQ(shown.pixels()[2], (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(shown.take(Image(2, 2, Rgba{0, 0, 0, 255})), (PixelBox{.left = 0, .top = 0, .right = 2, .bottom = 2}))
        << "a picture of another size is all new";
}

// Rows are compared two pixels at a time: every pair of changed columns,
// at either end or side by side, on odd and even widths, gives its box.
TEST(ShownPicture, TheBoxHoldsEveryChangedColumnWhereverItFallsInThePairs)
{
    for (int width = 1; width <= 7; ++width)
        for (int a = 0; a < width; ++a)
            for (int b = a; b < width; ++b) {
                Image picture(width, 2, Rgba{9, 9, 9, 255});
                ShownPicture shown;
                shown.take(picture);
                picture.at(a, 1) = Rgba{1, 2, 3, 255};
                picture.at(b, 1) = Rgba{4, 5, 6, 0};
                ASSERT_EQ(shown.take(picture), (PixelBox{.left = a, .top = 1, .right = b + 1, .bottom = 2}))
                    << "width " << width << ", columns " << a << " and " << b;
                ASSERT_EQ(shown.pixels()[width + b], (Rgba{4, 5, 6, 255}));
                ASSERT_EQ(shown.pixels()[width + a], a == b ? (Rgba{4, 5, 6, 255}) : (Rgba{1, 2, 3, 255}));
            }
}
