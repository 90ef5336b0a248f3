#pragma once

#include <QRgb>

namespace skin {

// One dark theme with one accent. Every image that sits on a surface paints that surface's
// colour in, since skins are copied opaquely.
inline constexpr QRgb kWindowTop = 0x131418;
inline constexpr QRgb kWindowBottom = 0x0C0D10;
inline constexpr QRgb kTitleStrip = 0x15161A;
inline constexpr QRgb kSidebar = 0x101115;
inline constexpr QRgb kBottomBar = 0x121317;
inline constexpr QRgb kPanel = 0x18191E;     // section bodies, dialog pages
inline constexpr QRgb kHeaderTop = 0x25272D; // section headers
inline constexpr QRgb kHeaderBottom = 0x1E2025;
inline constexpr QRgb kLine = 0x2C2F36; // borders and separators
inline constexpr QRgb kLineSoft = 0x212329;
inline constexpr QRgb kInset = 0x0F1013;      // fields and lists
inline constexpr QRgb kControlTop = 0x2D3037; // neutral buttons
inline constexpr QRgb kControlBottom = 0x222429;
inline constexpr QRgb kControlBorder = 0x3B3F47;
inline constexpr QRgb kTextMuted = 0x8C929B;
inline constexpr QRgb kTextBright = 0xE9EBEE;
inline constexpr QRgb kAccent = 0xE8263E;
inline constexpr QRgb kAccentLight = 0xFF5265;
inline constexpr QRgb kAccentDark = 0xA8142A;
inline constexpr QRgb kAccentDeep = 0x3A0A12;
inline constexpr QRgb kChannelEmpty = 0x30333A;

// Keyboard picture.
inline constexpr QRgb kCaseTop = 0x1D1F24;
inline constexpr QRgb kCaseBottom = 0x131418;
inline constexpr QRgb kPlate = 0x0B0C0E; // between the keys
inline constexpr QRgb kCapEdge = 0x1A1C20;
inline constexpr QRgb kCapTop = 0x3A3E46;
inline constexpr QRgb kCapBottom = 0x2B2E35;
inline constexpr QRgb kCapSkirt = 0x202227;
inline constexpr QRgb kLegend = 0xD9DCE1;

} // namespace skin
