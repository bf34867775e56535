// The game's sound player: turns music and effect requests (scripts, the title
// theme, click sounds) into decoded sounds on the Host's sound output, records
// every request for the dump and names it to front ends without sound.
#pragma once
#include <string>

namespace shell { struct Game; }

namespace media {

// The longest sound name playsnd keeps; longer names are cut (old games may
// rely on the cut name).
constexpr size_t kSoundNameLimit = 79;

// playMusic(file): the music channel plays the game file, replacing the music.
// A missing or unplayable file aborts the run (script::ScriptError).
void playMusic(shell::Game& game, const std::string& file);

// The title theme "mirandel.mp3", whatever the game's name; a failure is shown
// in the error box and the player goes on.
void playTitleMusic(shell::Game& game);

// setMusicVolume(level): 0 to 1000 is silence to full volume, numbers outside
// are clamped, a text that is not a number is 0.
void setMusicVolume(shell::Game& game, const std::string& level);

// playsnd file, mode: "" plays and returns, "off" plays and waits for the end
// (the window keeps painting; closing the player ends the wait), "on" loops,
// "stop" stops the file when it is the effect playing. An empty name does
// nothing; a missing file plays nothing and is logged once.
void playSound(shell::Game& game, std::string file, const std::string& mode);

// Click sounds of buttons, keys and hot spots go through playSound.
void connectSoundPlayer(shell::Game& game);

}  // namespace media
