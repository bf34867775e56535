// Building and searching the label index.
#include "script/label_index.h"

namespace script {

int ScriptLines::findLabel(std::string_view name) const {
  if (!labels_) {
    labels_.emplace();
    for (size_t i = 0; i < lines_.size(); ++i) {
      std::string_view line = base::trimView(lines_[i]);
      // The first occurrence of a label wins.
      if (!line.empty() && line[0] == ':') labels_->try_emplace(std::string(line.substr(1)), static_cast<int>(i));
    }
  }
  auto found = labels_->find(name);
  return found == labels_->end() ? -1 : found->second;
}

}  // namespace script
