#pragma once
// The playback keys by the key pressed, not the character it types: the
// virtual key codes the key handler's table is written in.

class QKeyEvent;

inline constexpr int VkEscape = 27;
inline constexpr int VkSpace = 32;
inline constexpr int VkReturn = 13;

// '0'..'9' for the main row's digits (with or without Shift), 'A'..'Z' for
// letters in either case, VkEscape, VkSpace, VkReturn (either Enter key); 0
// for every other key, the keypad's digits included.
int virtual_key_code(const QKeyEvent& key);
