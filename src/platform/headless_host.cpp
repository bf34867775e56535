// The windowless Host with a virtual clock and recorded side effects.
#include "platform/headless_host.h"

namespace platform {

void HeadlessHost::processEvents() {
  if (onProcessEvents) onProcessEvents();
}

void HeadlessHost::sleep(int milliseconds) {
  if (milliseconds <= 0) return;
  clock_ += milliseconds;
  sleptTotal_ += milliseconds;
}

void HeadlessHost::advance(int milliseconds) {
  if (milliseconds > 0) clock_ += milliseconds;
}

void HeadlessHost::textProduced(const std::string& sink, const std::string& text) {
  if (onText) onText(sink, text);
}

void HeadlessHost::errorBox(const std::string& message) {
  record.errors.push_back(message);
  if (onError) onError(message);
}

void HeadlessHost::openWebPage(const std::string& address) { record.opened.push_back(address); }

void HeadlessHost::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = program;
  for (const auto& argument : arguments) line += " " + argument;
  record.opened.push_back(line);
}

void HeadlessHost::playEffect(const std::string& file) { record.sounds.push_back("effect " + file); }
void HeadlessHost::playMusic(const std::string& file) { record.sounds.push_back("music " + file); }
void HeadlessHost::stopMusic() { record.sounds.push_back("music stop"); }
void HeadlessHost::setVolume(int volume) { record.sounds.push_back("volume " + std::to_string(volume)); }

}  // namespace platform
