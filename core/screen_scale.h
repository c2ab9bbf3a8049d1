#pragma once
// The layout scale of the screens, from the screen's size in pixels.

namespace korvel {

struct ScreenScale {
    float x = 1.0f;
    float y = 1.0f;
    bool listed = false; // one of the four sizes the layouts were drawn for
};

// 640x480: 0.8 and 0.8; 800x600: 1 and 1; 1024x768: 1.02 and 1.015; 1280x1024: 1.365333 and
// 1.28; any other size 1 and 1 (the layouts then simply fill the window).
ScreenScale screenScale(int widthPx, int heightPx);

// The notice for a size the layouts were not drawn for.
inline constexpr const char* kResolutionNotice =
    "Rezolutie incorecta! Folositi urmatoarea rezolutie : 640x480 sau 800x600 sau 1024x768 sau "
    "1280x1024 pt monitor LCD";

} // namespace korvel
