// Upper and lower case of Windows-1252 letters: ASCII, the accented Latin
// letters and the four pairs S/Z/OE/Y with caron or diaeresis. Letters without a
// one-byte partner (sharp s, micro) and every other byte stay as they are.
#pragma once
#include <string>
#include <string_view>

namespace base {

char upperCaseLetter(char c);
char lowerCaseLetter(char c);

// Every letter of the text in upper case (what an upper-case edit box shows).
std::string upperCaseLetters(std::string_view text);

}  // namespace base
