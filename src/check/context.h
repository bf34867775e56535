// What the checker knows about the game while it reads it: the facts it reads
// first (table, registers, objects, which files are scripts and which are phrase
// files, what the scripts do game-wide) and the references it collects for the
// reachability notes.
#pragma once
#include <map>
#include <set>
#include <string>

#include "base/text.h"
#include "check/findings.h"
#include "check/game_files.h"

namespace check {

struct GameFacts {
  std::string gameName;
  std::string tableFile;        // the game's own table, <gameName>.ini
  base::Lines table;            // its rows
  int registerCount = 0;        // row 5
  size_t registers = 0;         // lines of <gameName>.rgs
  std::set<std::string> objectKeys;
  std::set<std::string> keywords;      // the player's dispatch table
  std::set<std::string> phraseFiles;   // file names of phrase files (as on disk)
  std::set<std::string> scripts;       // file names of every other .scx file

  // Game-wide uses, surveyed before the scripts are checked one by one.
  std::set<std::string> exitsSet;      // "norte" ... for every exit some script sets
  bool setsReturnScript = false;       // retscp= anywhere
  bool restoresObjects = false;        // reset objs anywhere: every object needs its .obj file
};

struct References {
  std::set<std::string> rootScripts;                        // on-disk file names
  // Script or phrase file -> the script and phrase files it names.
  std::map<std::string, std::set<std::string>> scripts;
  std::map<std::string, std::set<std::string>> pictures;    // script file -> picture files it names
  std::set<std::string> objectScripts;                      // scripts that run objects' own scripts
  std::set<std::string> rootPictures;                       // named by the table and the objects
  // Scripts a run continues in with "script", and the first line that does so.
  std::map<std::string, std::pair<std::string, int>> continuedIn;
};

struct Context {
  GameFiles files;
  GameFacts facts;
  References refs;
  Findings findings;
};

}  // namespace check
