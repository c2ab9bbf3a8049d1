#include "core/screen_scale.h"

namespace korvel {

ScreenScale screenScale(int w, int h) {
    if (w == 640 && h == 480) return {0.8f, 0.8f, true};
    if (w == 800 && h == 600) return {1.0f, 1.0f, true};
    if (w == 1024 && h == 768) return {1.02f, 1.015f, true};
    if (w == 1280 && h == 1024) return {1.365333f, 1.28f, true};
    return {1.0f, 1.0f, false};
}

} // namespace korvel
