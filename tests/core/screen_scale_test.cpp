#include "core/screen_scale.h"

#include <gtest/gtest.h>

using namespace korvel;

// The four sizes the layouts were drawn for are recognised; a larger one scales up, a
// smaller one down. Any other size is not listed and keeps the design scale.
TEST(ScreenScale, ListedSizesScaleWithTheScreenOthersKeepTheDesign) {
    const int listed[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
    float previousX = 0, previousY = 0;
    for (const auto& [w, h] : listed) {
        const ScreenScale s = screenScale(w, h);
        EXPECT_TRUE(s.listed) << w << "x" << h;
        EXPECT_GT(s.x, previousX) << w << "x" << h;
        EXPECT_GT(s.y, previousY) << w << "x" << h;
        previousX = s.x;
        previousY = s.y;
    }
    EXPECT_FLOAT_EQ(screenScale(800, 600).x, 1.0f); // the design size

    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{0, 0}, std::pair{600, 800}}) {
        const ScreenScale s = screenScale(w, h);
        EXPECT_FALSE(s.listed) << w << "x" << h;
        EXPECT_FLOAT_EQ(s.x, 1.0f) << w << "x" << h;
        EXPECT_FLOAT_EQ(s.y, 1.0f) << w << "x" << h;
    }
}
