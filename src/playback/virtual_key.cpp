#include "playback/virtual_key.h"

#include <QKeyEvent>

int virtual_key_code(const QKeyEvent& key)
{
    const int k = key.key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter)
        return VkReturn;
    // The keypad's digits arrive as the digit keys with the keypad modifier.
    if (key.modifiers() & Qt::KeypadModifier)
        return 0;
    if (k == Qt::Key_Escape)
        return VkEscape;
    if (k == Qt::Key_Space)
        return VkSpace;
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z))
        return k;  // Qt's codes for these are the ASCII digits and capitals
    // With Shift the main row's digits arrive as the characters they type
    // (US layout).
    switch (k) {
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    default: return 0;
    }
}
