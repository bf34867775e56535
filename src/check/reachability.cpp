// Reachability notes.
#include "check/reachability.h"

#include <vector>

#include "base/letter_case.h"
#include "check/game_files.h"
#include "check/words.h"

namespace check {
namespace {

bool isPictureFile(const std::string& name) {
  for (const char* extension : {".png", ".jpg", ".bmp", ".gif"})
    if (hasExtension(name, extension)) return true;
  return false;
}

std::string withoutExtension(const std::string& name) { return name.substr(0, name.rfind('.')); }

}  // namespace

void noteUnreachable(Context& context) {
  const auto& refs = context.refs;
  const auto& facts = context.facts;
  std::set<std::string> reached;
  std::vector<std::string> pending(refs.rootScripts.begin(), refs.rootScripts.end());
  bool objectsRun = false;
  while (!pending.empty()) {
    std::string file = pending.back();
    pending.pop_back();
    if (!reached.insert(file).second) continue;
    if (auto it = refs.scripts.find(file); it != refs.scripts.end())
      pending.insert(pending.end(), it->second.begin(), it->second.end());
    if (refs.objectScripts.count(file) && !objectsRun) {
      // Object lists and icons run the script named like each object.
      objectsRun = true;
      for (const auto& key : facts.objectKeys) {
        auto found = context.files.lookup(key + ".scx");
        if (found.kind == NameLookup::Exact || found.kind == NameLookup::CaseOnly) pending.push_back(found.onDisk);
      }
    }
  }
  for (const auto& script : facts.scripts)
    if (!reached.count(script))
      context.findings.note(script, 0,
                            say(Check::tr("no path of play reaches the script \"%1\""), withoutExtension(script)));

  std::set<std::string> shown = refs.rootPictures;
  for (const auto& file : reached)
    if (auto it = refs.pictures.find(file); it != refs.pictures.end()) shown.insert(it->second.begin(), it->second.end());
  for (const auto& name : context.files.names())
    if (isPictureFile(name) && !shown.count(name))
      context.findings.note(name, 0, say(Check::tr("nothing in reach shows this picture")));
}

}  // namespace check
