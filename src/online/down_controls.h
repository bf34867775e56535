// The controls of the "Down" page: the four switches (rows 103 to 106 of the
// table, saved at once), the picture buttons with their pressed picture and
// click sounds, and the statement "download" that shows the page.
#pragma once
#include <string>

#include "model/dispatch.h"

namespace model { struct Game; }

namespace online {

// Start-up: the switches show rows 103 to 106, Lbx is cleared.
void showSwitches(model::Game& game);

// Whether the page has a clickable control of this name.
bool isDownControl(const std::string& name);
bool isPictureButton(const std::string& name);

// A picture button's mouse down and mouse up: its picture and click sound.
void pressDownButton(model::Game& game, const std::string& name);
void releaseDownButton(model::Game& game, const std::string& name);

// What a click on the control does (after its mouse up); false for an unknown name.
bool actOnDownControl(model::Game& game, const std::string& name);

// "download".
void registerOnlineStatements(model::Dispatch& dispatch);

}  // namespace online
