// One statement of the script language as each of its readers sees it: the
// executor calls its handler, the game checker reads its arguments by its shape,
// the script guide describes it under its keyword and aliases. Each subsystem
// lists the rows of its statements beside their handlers.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "model/statement.h"

namespace model { struct Game; }

namespace model {

using Handler = void (*)(model::Game&, Statement&);

// The arguments a statement takes: one letter per argument saying what it must
// be, how many are needed, and whether more may follow.
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
struct ArgumentShape {
  std::string_view kinds;
  int required = 0;
  bool open = false;  // more arguments than letters are fine
};

struct StatementRow {
  std::string_view keyword;
  std::vector<std::string_view> aliases;  // other keywords of the same statement
  Handler handler = nullptr;
  // None: the checker checks only the keyword, or the statement has a check of its own.
  std::optional<ArgumentShape> shape;
  std::string_view summary;  // one line, as the script guide begins its description
};

}  // namespace model
