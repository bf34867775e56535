// The executor's fixed order: each subsystem adds the rows of its statements in
// turn; a keyword two subsystems both claim stops the player at its start.
#include "shell/dispatch_table.h"

#include "media/rain_statement.h"
#include "media/sound_statements.h"
#include "script/condition_statements.h"
#include "script/core_statements.h"
#include "script/jump_statements.h"
#include "script/register_statements.h"
#include "online/down_controls.h"
#include "view/layout_statements.h"
#include "view/link_statements.h"
#include "view/message_statements.h"
#include "view/picture_statements.h"
#include "view/text_box_statement.h"
#include "view/text_sink.h"
#include "view/text_statements.h"
#include "world/location_statements.h"
#include "world/map_statements.h"
#include "world/object_statements.h"
#include "world/state_statements.h"

namespace shell {

model::Dispatch buildDispatch() {
  model::Dispatch dispatch;
  script::registerCoreStatements(dispatch);
  view::registerMessageStatements(dispatch);
  script::registerRegisterStatements(dispatch);
  script::registerConditionStatements(dispatch);
  script::registerJumpStatements(dispatch);
  world::registerObjectStatements(dispatch);
  world::registerLocationStatements(dispatch);
  world::registerMapStatements(dispatch);
  world::registerGameStateStatements(dispatch);
  view::registerTextStatements(dispatch);
  view::registerPictureStatements(dispatch);
  view::registerLayoutStatements(dispatch);
  view::registerLinkStatements(dispatch);
  view::registerTextBoxStatements(dispatch);
  media::registerSoundStatements(dispatch);
  media::registerRainStatement(dispatch);
  online::registerOnlineStatements(dispatch);
  dispatch.quotedText = view::outputQuotedText;
  return dispatch;
}

}  // namespace shell
