// The object statements: reading and changing fields, taking, dropping and
// moving objects, counting and listing them, testing where they are, and the
// current object.
#pragma once

namespace model { class Dispatch; }

namespace world {

void registerObjectStatements(model::Dispatch& dispatch);

}  // namespace world
