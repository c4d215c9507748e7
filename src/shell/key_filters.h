#pragma once
// Key-press filters of the numeric and code boxes: each takes the typed character code and
// returns the code to type instead, 0 to swallow the key. Backspace (8) always passes.
namespace olvex::shell {

int FilterHexKey(int key);      // 0-9, A-F; a-f typed as A-F
int FilterDigitKey(int key);    // 0-9
int FilterSignedKey(int key);   // 0-9 and "-"
int FilterLetterKey(int key);   // A-Z; a-z typed as A-Z
int FilterDecimalKey(int key);  // 0-9 and "."

}  // namespace olvex::shell
