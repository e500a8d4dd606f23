#pragma once

#include <Qt>

// The codes the button reports with its mouse and key events are the Windows ones, whatever
// platform the program runs on: the windows that handle the events compare them with those.
namespace Tavo::WindowsInput {

// Mouse buttons as a bit set: left 1, right 2, middle 4, first extra 8, second extra 16.
short buttonBits(Qt::MouseButtons buttons);

// Modifier keys as a bit set: Shift 1, Ctrl 2, Alt 4.
short shiftBits(Qt::KeyboardModifiers modifiers);

// The Windows virtual-key code of a Qt key (0..255): letters 65..90, digits 48..57, Space 32,
// Enter 13, Escape 27, Tab 9, Backspace 8, arrows 37..40, F1 112, ... Keys of the numeric
// keypad (KeypadModifier) get the keypad codes 96..111. A key without a code gives 0.
short keyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// The 8-bit code Windows sends as the character of a key (WM_CHAR): the Latin-1 code of the
// character, "?" (63) for a character beyond it, -1 when the key types no character.
short characterCode(const QString &text);

} // namespace Tavo::WindowsInput
