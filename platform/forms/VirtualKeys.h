#pragma once
// Virtual-key codes as the framework numbers them (the layer translates
// Qt's key events: ControlBridge.h).

#include "platform/forms/ControlTypes.h"

#include <cstdint>

constexpr std::uint16_t VK_BACK = 0x08;
constexpr std::uint16_t VK_TAB = 0x09;
constexpr std::uint16_t VK_CLEAR = 0x0C;
constexpr std::uint16_t VK_RETURN = 0x0D;
constexpr std::uint16_t VK_SHIFT = 0x10;
constexpr std::uint16_t VK_CONTROL = 0x11;
constexpr std::uint16_t VK_MENU = 0x12;
constexpr std::uint16_t VK_PAUSE = 0x13;
constexpr std::uint16_t VK_CAPITAL = 0x14;
constexpr std::uint16_t VK_ESCAPE = 0x1B;
constexpr std::uint16_t VK_SPACE = 0x20;
constexpr std::uint16_t VK_PRIOR = 0x21;
constexpr std::uint16_t VK_NEXT = 0x22;
constexpr std::uint16_t VK_END = 0x23;
constexpr std::uint16_t VK_HOME = 0x24;
constexpr std::uint16_t VK_LEFT = 0x25;
constexpr std::uint16_t VK_UP = 0x26;
constexpr std::uint16_t VK_RIGHT = 0x27;
constexpr std::uint16_t VK_DOWN = 0x28;
constexpr std::uint16_t VK_SELECT = 0x29;
constexpr std::uint16_t VK_PRINT = 0x2A;
constexpr std::uint16_t VK_EXECUTE = 0x2B;
constexpr std::uint16_t VK_SNAPSHOT = 0x2C;
constexpr std::uint16_t VK_INSERT = 0x2D;
constexpr std::uint16_t VK_DELETE = 0x2E;
constexpr std::uint16_t VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their ASCII codes.
constexpr std::uint16_t VK_LWIN = 0x5B;
constexpr std::uint16_t VK_RWIN = 0x5C;
constexpr std::uint16_t VK_APPS = 0x5D;
constexpr std::uint16_t VK_NUMPAD0 = 0x60;
constexpr std::uint16_t VK_MULTIPLY = 0x6A;
constexpr std::uint16_t VK_ADD = 0x6B;
constexpr std::uint16_t VK_SEPARATOR = 0x6C;
constexpr std::uint16_t VK_SUBTRACT = 0x6D;
constexpr std::uint16_t VK_DECIMAL = 0x6E;
constexpr std::uint16_t VK_DIVIDE = 0x6F;
constexpr std::uint16_t VK_F1 = 0x70; // VK_F1 + n - 1 for Fn up to F24
constexpr std::uint16_t VK_NUMLOCK = 0x90;
constexpr std::uint16_t VK_SCROLL = 0x91;
constexpr std::uint16_t VK_OEM_1 = 0xBA;      // ;:
constexpr std::uint16_t VK_OEM_PLUS = 0xBB;   // =+
constexpr std::uint16_t VK_OEM_COMMA = 0xBC;  // ,<
constexpr std::uint16_t VK_OEM_MINUS = 0xBD;  // -_
constexpr std::uint16_t VK_OEM_PERIOD = 0xBE; // .>
constexpr std::uint16_t VK_OEM_2 = 0xBF;      // /?
constexpr std::uint16_t VK_OEM_3 = 0xC0;      // `~
constexpr std::uint16_t VK_OEM_4 = 0xDB;      // [{
constexpr std::uint16_t VK_OEM_5 = 0xDC;      // backslash |
constexpr std::uint16_t VK_OEM_6 = 0xDD;      // ]}
constexpr std::uint16_t VK_OEM_7 = 0xDE;      // '"
