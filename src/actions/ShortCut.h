// Shortcut values: a 16-bit key code with modifier bits, and their text form.
#pragma once

#include <QString>

#include <cstdint>

class QKeyEvent;

/*!
  Low byte: the virtual-key code of the key; 0x2000 Shift, 0x4000 Ctrl,
  0x8000 Alt. 0 means "no shortcut". The values are what the layout file
  and the catalogue store, so they must not change.
*/
using TShortCut = std::uint16_t;

namespace ShortCutBits {
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;
}

//! Virtual-key codes used by the program's shortcuts and key names.
namespace VK {
constexpr std::uint8_t Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr std::uint8_t Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24;
constexpr std::uint8_t Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
constexpr std::uint8_t Insert = 0x2D, Delete = 0x2E;
constexpr std::uint8_t Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Separator = 0x6C, Subtract = 0x6D,
                       Decimal = 0x6E, Divide = 0x6F;
constexpr std::uint8_t F1 = 0x70, F24 = 0x87;
//! The function key Fn.
constexpr std::uint8_t F(int n) { return std::uint8_t(0x6F + n); }
}

//! Builds a shortcut from a key code and the modifier flags.
constexpr TShortCut MakeShortCut(std::uint8_t key, bool shift = false, bool ctrl = false, bool alt = false)
{
    return TShortCut(key | (shift ? ShortCutBits::scShift : 0) | (ctrl ? ShortCutBits::scCtrl : 0)
                     | (alt ? ShortCutBits::scAlt : 0));
}

//! "Shift+Ctrl+Alt+Key" text as shown in menus and tool tips; empty for 0.
QString ShortCutToText(TShortCut shortCut);
//! The name of a key code alone ("F12", "PgUp", "A"); empty when the key has none.
QString KeyCodeName(std::uint8_t key);
//! Parses the text form back; 0 when the text is not a shortcut.
TShortCut TextToShortCut(const QString &text);

/*!
  The shortcut a key press stands for, or 0 for a modifier key alone or a
  key without a code. Shifted digits are matched by their physical key
  where the platform reports one, so Shift+1 is Shift+1 on every layout.
*/
TShortCut KeyEventToShortCut(const QKeyEvent &event);
//! As above; `x11KeyCodes` says the native scan code is an X11 key code (the xcb platform).
TShortCut KeyEventToShortCut(const QKeyEvent &event, bool x11KeyCodes);
