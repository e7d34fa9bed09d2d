#include "platform/forms/VirtualKeys.h"

#include "platform/forms/ControlBridge.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <array>
#include <utility>

namespace korvan::forms {
namespace {

// Keys whose virtual-key code is not their Qt code's ASCII value.
constexpr std::array<std::pair<int, std::uint16_t>, 47> kKeys{{
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Select, VK_SELECT},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Execute, VK_EXECUTE},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},
}};

// Keypad keys that Qt reports with the keypad modifier.
std::uint16_t KeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return std::uint16_t(VK_NUMPAD0 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Period:
        return VK_DECIMAL;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    default:
        return 0;
    }
}

} // namespace

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (std::uint16_t vk = KeypadKey(key))
            return vk;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return std::uint16_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return std::uint16_t(VK_F1 + (key - Qt::Key_F1));
    for (const auto& [qt, vk] : kKeys)
        if (qt == key)
            return vk;
    return 0;
}

int QtKeyOf(std::uint16_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= VK_F1 && vk < VK_F1 + 24)
        return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + (vk - VK_NUMPAD0);
    for (const auto& [qt, code] : kKeys)
        if (code == vk)
            return qt;
    return 0;
}

TShiftState ShiftStateOf(const QInputEvent& event) {
    TShiftState shift = 0;
    const Qt::KeyboardModifiers m = event.modifiers();
    if (m & Qt::ShiftModifier)
        shift |= ssShift;
    if (m & Qt::AltModifier)
        shift |= ssAlt;
    if (m & Qt::ControlModifier)
        shift |= ssCtrl;
    if (auto* mouse = dynamic_cast<const QSinglePointEvent*>(&event)) {
        const Qt::MouseButtons b = mouse->buttons();
        if (b & Qt::LeftButton)
            shift |= ssLeft;
        if (b & Qt::RightButton)
            shift |= ssRight;
        if (b & Qt::MiddleButton)
            shift |= ssMiddle;
    }
    return shift;
}

} // namespace korvan::forms
