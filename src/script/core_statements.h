// Registration of the core statements.
#pragma once
#include "script/dispatch.h"

namespace script {

void registerCoreStatements(Dispatch& dispatch);

}  // namespace script
