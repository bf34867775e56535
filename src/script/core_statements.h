// Registration of the core statements.
#pragma once
#include "model/dispatch.h"

namespace script {

void registerCoreStatements(model::Dispatch& dispatch);

}  // namespace script
