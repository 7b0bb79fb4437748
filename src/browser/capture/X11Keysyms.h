#pragma once

#include <QtGlobal>

// How the key records' virtual keys and characters are named to the X server.
namespace suite::browser::x11keysyms {

// The keysym of a virtual key that the key sender names itself (the key-name table, the
// modifiers, letters and digits); 0 for any other.
unsigned long forVirtualKey(quint16 virtualKey);

// The keysym that types a character: Latin-1 keysyms are the characters' codes, all others
// are the Unicode keysyms 0x01000000 + code point.
unsigned long forCharacter(char32_t character);

// True for the keysyms of printable Latin-1 characters, which equal their codes.
bool isPrintableLatin1(unsigned long keysym);

} // namespace suite::browser::x11keysyms
