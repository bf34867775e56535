// The arguments each statement takes, as the checker reads them: one letter per
// argument saying what it must be, how many are needed, and whether more may
// follow. A statement without a shape is only checked for its keyword.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace check {

// Argument letters:
//   r register number      i number (else the run stops)  j number (else a default)
//   c colour RRGGBB        C "0" or a colour              a number, "$" or empty
//   l label                s script name                  G gosub target (":label" or script)
//   q phrase file          p picture                      P picture, or a text
//   w sound                t surface tel/fnc/pan           o object key
//   f object field         d exit word                    m display mode
//   e on/off               E playsnd mode                 S style (Biu)
//   v engine variable      y link parameter               z showobj part
//   F focus target         g hot-spot group               T text with link tokens
//   k a statement, carried with the arguments after it (the statement-form tests)
//   M the saved map (a picture the player writes and reads back)
//   x anything
struct Shape {
  std::string_view kinds;
  int required = 0;
  bool open = false;  // more arguments than letters are fine
};

// The shape of a keyword, or null when the checker knows none.
const Shape* shapeOf(std::string_view keyword);

// Every keyword with a shape.
std::vector<std::string> shapedKeywords();

}  // namespace check
