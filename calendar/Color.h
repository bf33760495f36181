#pragma once
// TColor: a colour as red + 256 * green + 65536 * blue ($BBGGRR). The calendar model stores
// colours in this form so that it stays free of any GUI library; platform/Colors.h turns them
// into QColor and resolves the named system colours against the application palette.

#include <cstdint>

using TColor = std::int32_t;

// System colours carry this tag in their top byte and the index of the system colour in the
// low byte; they have no RGB value until the platform layer resolves them.
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);

constexpr TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

// Fixed colours.
inline constexpr TColor clBlack = RGBColor(0, 0, 0);
inline constexpr TColor clMaroon = RGBColor(128, 0, 0);
inline constexpr TColor clGreen = RGBColor(0, 128, 0);
inline constexpr TColor clOlive = RGBColor(128, 128, 0);
inline constexpr TColor clNavy = RGBColor(0, 0, 128);
inline constexpr TColor clPurple = RGBColor(128, 0, 128);
inline constexpr TColor clTeal = RGBColor(0, 128, 128);
inline constexpr TColor clGray = RGBColor(128, 128, 128);
inline constexpr TColor clSilver = RGBColor(192, 192, 192);
inline constexpr TColor clRed = RGBColor(255, 0, 0);
inline constexpr TColor clLime = RGBColor(0, 255, 0);
inline constexpr TColor clYellow = RGBColor(255, 255, 0);
inline constexpr TColor clBlue = RGBColor(0, 0, 255);
inline constexpr TColor clFuchsia = RGBColor(255, 0, 255);
inline constexpr TColor clAqua = RGBColor(0, 255, 255);
inline constexpr TColor clWhite = RGBColor(255, 255, 255);

// Named system colours (tag | system colour index).
enum class SystemColorIndex : int {
    Window = 5,
    WindowText = 8,
    ActiveBorder = 10,
    BtnFace = 15,
    BtnShadow = 16,
    BtnText = 18,
    BtnHighlight = 20,
    InfoBk = 24,
    MenuBar = 30,
};
constexpr TColor SystemColor(SystemColorIndex index) { return clSystemColor | static_cast<TColor>(index); }

inline constexpr TColor clWindow = SystemColor(SystemColorIndex::Window);
inline constexpr TColor clWindowText = SystemColor(SystemColorIndex::WindowText);
inline constexpr TColor clActiveBorder = SystemColor(SystemColorIndex::ActiveBorder);
inline constexpr TColor clBtnFace = SystemColor(SystemColorIndex::BtnFace);
inline constexpr TColor clBtnShadow = SystemColor(SystemColorIndex::BtnShadow);
inline constexpr TColor clBtnText = SystemColor(SystemColorIndex::BtnText);
inline constexpr TColor clBtnHighlight = SystemColor(SystemColorIndex::BtnHighlight);
inline constexpr TColor clInfoBk = SystemColor(SystemColorIndex::InfoBk);
inline constexpr TColor clMenuBar = SystemColor(SystemColorIndex::MenuBar);
