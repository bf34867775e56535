// Turning what the player typed into a command: upper case as the phrase file
// writes it, and the command cut into its first words.
#pragma once
#include <string>

#include "model/parser_state.h"

namespace input {

// ASCII letters and the accented small letters of Portuguese (and ü, ñ) to
// capitals; blanks, articles and punctuation stay, so PEGUE A CHAVE and PEGUE
// CHAVE are different commands.
std::string normaliseCommand(const std::string& text);

// Word 1 before the first blank, words 2 and 3 between the next blanks, word 4
// up to the fourth blank; two blanks in a row give an empty word.
model::CommandWords splitCommandWords(const std::string& command);

}  // namespace input
