// The executor's fixed order: each subsystem adds its statements in turn. A
// keyword registered twice keeps its first handler.
#include "script/dispatch.h"

#include "script/core_statements.h"

namespace script {

Dispatch buildDispatch() {
  Dispatch dispatch;
  registerCoreStatements(dispatch);
  return dispatch;
}

}  // namespace script
