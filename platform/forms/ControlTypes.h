#pragma once
// The vocabulary of the control layer: alignment, anchors, shift state,
// mouse buttons, modal results, control style and state flags, cursors and
// the control notifications (CM_*) that controls exchange.

#include "platform/forms/Object.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TControl;
class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
constexpr TAnchors DefaultAnchors = akLeft | akTop;

// Shift state (a bit set in the framework's element order).
enum TShiftStateFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6
};
using TShiftState = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// Control style flags.
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csDesignInteractive = 1u << 2,
    csClickEvents = 1u << 3,
    csFramed = 1u << 4,
    csSetCaption = 1u << 5,
    csOpaque = 1u << 6,
    csDoubleClicks = 1u << 7,
    csFixedWidth = 1u << 8,
    csFixedHeight = 1u << 9,
    csNoDesignVisible = 1u << 10,
    csReplicatable = 1u << 11,
    csNoStdEvents = 1u << 12,
    csDisplayDragImage = 1u << 13,
    csReflector = 1u << 14,
    csActionClient = 1u << 15,
    csMenuEvents = 1u << 16,
    csNeedsBorderPaint = 1u << 17,
    csParentBackground = 1u << 18
};
using TControlStyle = unsigned;

// Control state flags.
enum TControlStateFlag : unsigned {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csPalette = 1u << 2,
    csReadingState = 1u << 3,
    csAlignmentNeeded = 1u << 4,
    csFocusing = 1u << 5,
    csCreating = 1u << 6,
    csPaintCopy = 1u << 7,
    csCustomPaint = 1u << 8,
    csDestroyingHandle = 1u << 9,
    csDocking = 1u << 10
};
using TControlState = unsigned;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle; // controls use bsNone and bsSingle
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
namespace korvan::forms {
// The value names of the three, as stored forms write them.
inline const std::vector<std::string> kBiDiModeNames{"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                                     "bdRightToLeftReadingOnly"};
inline const std::vector<std::string> kDragModeNames{"dmManual", "dmAutomatic"};
inline const std::vector<std::string> kDragKindNames{"dkDrag", "dkDock"};
} // namespace korvan::forms

// Control notifications. The numbers are the framework's; a control
// handles them in WndProc (or through the virtual operation named beside).
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;    // WParam key, LParam shift; Result 1 when used
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;   // WParam character; Result 1 when used
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7; // LParam the newly focused control
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_HITTEST = CM_BASE + 10;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 15;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_MENUCHANGED = CM_BASE + 21;
constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 24;
constexpr unsigned CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr unsigned CM_ENTER = CM_BASE + 26;
constexpr unsigned CM_EXIT = CM_BASE + 27;
constexpr unsigned CM_DESIGNHITTEST = CM_BASE + 28;
constexpr unsigned CM_SYSCOLORCHANGE = CM_BASE + 29;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 30; // WParam key; Result 1 when the control wants it
constexpr unsigned CM_PARENTSHOWHINTCHANGED = CM_BASE + 31;
constexpr unsigned CM_HINTSHOW = CM_BASE + 48; // LParam the THintInfo of the hint about to show
constexpr unsigned CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr unsigned CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr unsigned CM_MOUSEWHEEL = CM_BASE + 67;

// What a control asks for in the dialog-code query.
constexpr unsigned DLGC_WANTARROWS = 0x1;
constexpr unsigned DLGC_WANTTAB = 0x2;
constexpr unsigned DLGC_WANTALLKEYS = 0x4;
constexpr unsigned DLGC_WANTCHARS = 0x80;

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
// MousePos is in screen coordinates, as the framework passes it.
using TMouseWheelEvent = std::function<void(TObject* sender, TShiftState shift, int wheelDelta, int mouseX,
                                            int mouseY, bool& handled)>;
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

// The accelerator character of a caption ("&Save" -> 's'); 0 when none.
char AcceleratorChar(const std::string& caption);
// True when `c` is the accelerator of `caption` (letter case ignored).
bool IsAccel(unsigned c, const std::string& caption);
// The caption without its accelerator marks ("&&" stays as "&").
std::string StripAccelChars(const std::string& caption);
