#include "browser/capture/X11Keysyms.h"

#define XK_MISCELLANY
#define XK_LATIN1
#include <X11/keysymdef.h>

namespace suite::browser::x11keysyms {

unsigned long forVirtualKey(quint16 virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return XK_a + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return XK_0 + (virtualKey - '0');
    if (virtualKey >= 112 && virtualKey <= 127)
        return XK_F1 + (virtualKey - 112);
    switch (virtualKey) {
    case 8:
        return XK_BackSpace;
    case 9:
        return XK_Tab;
    case 13:
        return XK_Return;
    case 16:
        return XK_Shift_L;
    case 17:
        return XK_Control_L;
    case 18:
        return XK_Alt_L;
    case 19:
        return XK_Pause;
    case 20:
        return XK_Caps_Lock;
    case 27:
        return XK_Escape;
    case 32:
        return XK_space;
    case 33:
        return XK_Prior;
    case 34:
        return XK_Next;
    case 35:
        return XK_End;
    case 36:
        return XK_Home;
    case 37:
        return XK_Left;
    case 38:
        return XK_Up;
    case 39:
        return XK_Right;
    case 40:
        return XK_Down;
    case 41:
        return XK_Select;
    case 42:
    case 44:
        return XK_Print;
    case 45:
        return XK_Insert;
    case 46:
        return XK_Delete;
    case 47:
        return XK_Help;
    case 144:
        return XK_Num_Lock;
    case 145:
        return XK_Scroll_Lock;
    default:
        return 0;
    }
}

unsigned long forCharacter(char32_t character)
{
    if (isPrintableLatin1(character))
        return character;
    return 0x01000000UL + character;
}

bool isPrintableLatin1(unsigned long keysym)
{
    return (keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff);
}

} // namespace suite::browser::x11keysyms
