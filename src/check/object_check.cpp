// Objects: the key list (.obz), the table of 8-line records in the keys' sorted
// order (.obx), the pictures the records name, and the pristine <key>.obj files
// that "reset objs" reads back.
#include "base/text.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "world/key_order.h"
#include "world/object_table.h"

namespace check {
namespace {

constexpr size_t kShpLine = 4;

void checkPristineFile(Context& context, const std::string& key) {
  auto& findings = context.findings;
  auto found = context.files.lookup(key + ".obj");
  if (found.kind == NameLookup::Missing || found.kind == NameLookup::Refused) {
    findings.error(key + ".obj", 0, "the object \"" + key + "\" has no pristine file; reset objs stops the run there");
    return;
  }
  if (found.kind == NameLookup::CaseOnly)
    findings.warning(found.onDisk, 0, "the object \"" + key + "\" finds its pristine file only by ignoring case");
  auto lines = context.files.read(found.onDisk);
  if (!lines || lines->size() < world::kRecordLines) {
    findings.error(found.onDisk, 0, "a pristine object file needs 8 lines; this one has " +
                                        std::to_string(lines ? lines->size() : 0));
    return;
  }
  if ((*lines)[0] != key)
    findings.error(found.onDisk, 1, "the record's key is \"" + (*lines)[0] + "\", not \"" + key + "\"");
  if (auto picture = checkPictureName(context, {found.onDisk, static_cast<int>(kShpLine) + 1}, (*lines)[kShpLine]))
    context.refs.rootPictures.insert(*picture);
}

}  // namespace

void checkObjects(Context& context, const base::Lines& keyLines, const base::Lines& table) {
  auto& findings = context.findings;
  const std::string keysFile = context.facts.gameName + ".obz";
  const std::string tableFile = context.facts.gameName + ".obx";
  base::Lines keys;
  for (size_t i = 0; i < keyLines.size(); ++i) {
    if (context.facts.objectKeys.count(keyLines[i]))
      findings.warning(keysFile, static_cast<int>(i) + 1, "the object \"" + keyLines[i] + "\" is listed twice");
    context.facts.objectKeys.insert(keyLines[i]);
    world::insertKeySorted(keys, keyLines[i]);
  }
  if (table.size() != keys.size() * world::kRecordLines)
    findings.error(tableFile, 0,
                   "the object table has " + std::to_string(table.size()) + " lines; " + std::to_string(keys.size()) +
                       " objects need " + std::to_string(keys.size() * world::kRecordLines));
  for (size_t i = 0; i < keys.size(); ++i) {
    const size_t first = i * world::kRecordLines;
    if (first + world::kRecordLines > table.size()) break;  // the line count above says so
    if (table[first] != keys[i]) {
      findings.error(tableFile, static_cast<int>(first) + 1,
                     "record " + std::to_string(i + 1) + " holds \"" + table[first] + "\" where the sorted keys put \"" +
                         keys[i] + "\"");
      continue;
    }
    const int shpLine = static_cast<int>(first + kShpLine) + 1;
    if (auto picture = checkPictureName(context, {tableFile, shpLine}, table[first + kShpLine]))
      context.refs.rootPictures.insert(*picture);
  }
  if (context.facts.restoresObjects)
    for (const auto& key : keys) checkPristineFile(context, key);
}

}  // namespace check
