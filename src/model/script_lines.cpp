// Building and searching the label index; remembering line handlers.
#include "model/script_lines.h"

#include "model/label_references.h"

namespace model {

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

const std::vector<int>& ScriptLines::linesContaining(const std::string& text) const {
  if (!references_) {
    findLabel("");  // builds the label index
    std::vector<std::string> names;
    names.reserve(labels_->size() + 1);
    for (const auto& entry : *labels_) names.push_back(entry.first);
    names.push_back(text);
    references_ = model::linesContaining(lines_, names);
  }
  auto found = references_->find(text);
  if (found == references_->end()) found = references_->emplace(text, model::linesContaining(lines_, {text})[text]).first;
  return found->second;
}

Handler ScriptLines::handlerAt(size_t line, const std::string& keyword, const Dispatch& dispatch) const {
  if (handlers_.size() != lines_.size()) handlers_.assign(lines_.size(), KnownHandler());
  KnownHandler& slot = handlers_[line];
  if (!slot.known) slot = {true, dispatch.find(keyword)};
  return slot.handler;
}

}  // namespace model
