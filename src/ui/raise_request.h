// A second player started on a game that is already open asks the first to
// bring its window to the front: the window listens on a local socket named
// after the game folder, and the second player sends one line to it.
#pragma once
#include <QString>
#include <filesystem>
#include <functional>

class QObject;

namespace ui {

// The socket's name for the game folder (the same for every path to it).
QString raiseChannelName(const std::filesystem::path& folder);

// Listens for requests to raise the window of the game in the folder, calling
// `raise` for each; the listener lives as long as `owner`.
void listenForRaise(QObject* owner, const std::filesystem::path& folder, std::function<void()> raise);

// Asks the player of the folder to raise its window; false when none listens.
bool askToRaise(const std::filesystem::path& folder);

}  // namespace ui
