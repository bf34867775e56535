// Objects: the key list (.obz), the table of 8-line records in the keys' sorted
// order (.obx), the pictures the records name, and the pristine <key>.obj files
// that "reset objs" reads back.
#include "base/text.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "check/words.h"
#include "world/key_order.h"
#include "world/object_table.h"

namespace check {
namespace {

constexpr size_t kShpLine = 4;

void checkPristineFile(Context& context, const std::string& key) {
  auto& findings = context.findings;
  auto found = context.files.lookup(key + ".obj");
  if (found.kind == NameLookup::Missing || found.kind == NameLookup::Refused) {
    findings.error(key + ".obj", 0,
                   say(Check::tr("the object \"%1\" has no pristine file; reset objs stops the run there"), key));
    return;
  }
  if (found.kind == NameLookup::CaseOnly)
    findings.warning(found.onDisk, 0,
                     say(Check::tr("the object \"%1\" finds its pristine file only by ignoring case"), key));
  auto lines = context.files.read(found.onDisk);
  if (!lines || lines->size() < world::kRecordLines) {
    findings.error(found.onDisk, 0,
                   say(Check::tr("a pristine object file needs 8 lines; this one has %1"), lines ? lines->size() : 0));
    return;
  }
  if ((*lines)[0] != key)
    findings.error(found.onDisk, 1, say(Check::tr("the record's key is \"%1\", not \"%2\""), (*lines)[0], key));
  if (auto picture = checkPictureName(context, {found.onDisk, static_cast<int>(kShpLine) + 1}, (*lines)[kShpLine]))
    context.refs.rootPictures.insert(*picture);
}

}  // namespace

void checkObjects(Context& context, const base::Lines& keyLines, const base::Lines& table) {
  auto& findings = context.findings;
  const std::string keysFile = context.facts.gameName + ".obz";
  const std::string tableFile = context.facts.gameName + ".obx";
  for (size_t i = 0; i < keyLines.size(); ++i) {
    if (context.facts.objectKeys.count(keyLines[i]))
      findings.warning(keysFile, static_cast<int>(i) + 1,
                       say(Check::tr("the object \"%1\" is listed twice"), keyLines[i]));
    context.facts.objectKeys.insert(keyLines[i]);
  }
  const base::Lines keys = world::sortedKeys(keyLines);
  if (table.size() != keys.size() * world::kRecordLines)
    findings.error(tableFile, 0,
                   say(Check::tr("the object table has %1 lines; %2 objects need %3"), table.size(), keys.size(),
                       keys.size() * world::kRecordLines));
  for (size_t i = 0; i < keys.size(); ++i) {
    const size_t first = i * world::kRecordLines;
    if (first + world::kRecordLines > table.size()) break;  // the line count above says so
    if (table[first] != keys[i]) {
      findings.error(
          tableFile, static_cast<int>(first) + 1,
          say(Check::tr("record %1 holds \"%2\" where the sorted keys put \"%3\""), i + 1, table[first], keys[i]));
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
