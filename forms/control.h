#pragma once
// One named control of a screen: what a window shows of it and what a test asserts on.

#include <QString>
#include <QStringList>

namespace korvel::forms {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    QString hex() const; // "RRGGBB"
};

// Colours the screens use.
namespace colour {
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kButtonFace{192, 192, 192};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kYellow{255, 255, 0};
// Entries of the classic 16-colour palette used by the desk.
inline constexpr Rgb kPalette5{128, 0, 128};
inline constexpr Rgb kPalette7{192, 192, 192};
inline constexpr Rgb kPalette14{255, 255, 0};
inline constexpr Rgb kLightCyan{0, 255, 255};
// A colour written as a single number (red + 256 * green + 65536 * blue).
Rgb fromValue(long value);
} // namespace colour

enum class ControlKind { Text, Label, Button, Option, Check, Frame, List, Menu, Grid, Panel };

struct Control {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString text; // text of a field, caption of anything else
    bool visible = true;
    bool enabled = true;
    Rgb back = colour::kButtonFace;
    bool checked = false; // option selected, check box ticked
    QStringList items;    // entries of a list
    int listIndex = -1;   // selected entry of a list
    int selStart = 0;     // cursor of a text field
    int selLength = 0;    // selected characters from selStart

    bool isText() const { return kind == ControlKind::Text; }
};

} // namespace korvel::forms
