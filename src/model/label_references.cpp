// The name automaton: a trie of the names, each node with the node of its
// longest proper suffix that is also in the trie (fail) and the nearest node on
// that chain that ends a name (output).
#include "model/label_references.h"

#include <cstdint>
#include <deque>

namespace model {
namespace {

class NameAutomaton {
 public:
  explicit NameAutomaton(const std::vector<std::string>& names) : nodes_(1) {
    for (size_t id = 0; id < names.size(); ++id) {
      int node = 0;
      for (char c : names[id]) {
        int next = child(node, c);
        if (next < 0) {
          next = static_cast<int>(nodes_.size());
          nodes_.emplace_back();
          edges_.emplace(key(node, c), next);
        }
        node = next;
      }
      nodes_[static_cast<size_t>(node)].name = static_cast<int>(id);
    }
    linkSuffixes();
  }

  // Calls found(name id) for every name ending at each byte of the text.
  template <typename Found>
  void scan(const std::string& text, Found found) const {
    int node = 0;
    for (char c : text) {
      node = step(node, c);
      for (int at = hasName(node) ? node : nodes_[static_cast<size_t>(node)].output; at > 0;
           at = nodes_[static_cast<size_t>(at)].output)
        found(nodes_[static_cast<size_t>(at)].name);
    }
  }

 private:
  struct Node {
    int name = -1;    // the name ending here, or -1
    int fail = 0;
    int output = -1;  // nearest node on the fail chain that ends a name, or -1
  };

  static uint64_t key(int node, char c) { return (uint64_t(uint32_t(node)) << 8) | uint8_t(c); }
  int child(int node, char c) const {
    auto found = edges_.find(key(node, c));
    return found == edges_.end() ? -1 : found->second;
  }
  bool hasName(int node) const { return nodes_[static_cast<size_t>(node)].name >= 0; }

  // The node after reading c at node: the longest suffix of the text read so far that is in the trie.
  int step(int node, char c) const {
    for (;;) {
      if (int next = child(node, c); next >= 0) return next;
      if (node == 0) return 0;
      node = nodes_[static_cast<size_t>(node)].fail;
    }
  }

  // Breadth first, so every shorter suffix is linked before it is needed.
  void linkSuffixes() {
    std::vector<std::vector<std::pair<char, int>>> children(nodes_.size());
    for (const auto& [edge, to] : edges_) children[size_t(edge >> 8)].emplace_back(char(edge & 0xFF), to);
    std::deque<int> queue;
    for (const auto& [c, to] : children[0]) queue.push_back(to);
    while (!queue.empty()) {
      const int node = queue.front();
      queue.pop_front();
      for (const auto& [c, to] : children[static_cast<size_t>(node)]) {
        Node& target = nodes_[static_cast<size_t>(to)];
        target.fail = step(nodes_[static_cast<size_t>(node)].fail, c);
        if (target.fail == to) target.fail = 0;
        target.output = hasName(target.fail) ? target.fail : nodes_[static_cast<size_t>(target.fail)].output;
        queue.push_back(to);
      }
    }
  }

  std::vector<Node> nodes_;
  std::unordered_map<uint64_t, int> edges_;
};

}  // namespace

std::unordered_map<std::string, std::vector<int>> linesContaining(const base::Lines& lines,
                                                                  const std::vector<std::string>& names) {
  std::unordered_map<std::string, std::vector<int>> found;
  std::vector<std::string> searched;
  for (const auto& name : names) {
    auto [entry, added] = found.try_emplace(name);
    if (!added) continue;
    if (name.empty()) {
      for (size_t i = 0; i < lines.size(); ++i) entry->second.push_back(static_cast<int>(i));
    } else {
      searched.push_back(name);
    }
  }
  const NameAutomaton automaton(searched);
  std::vector<std::vector<int>*> listOf;
  for (const auto& name : searched) listOf.push_back(&found[name]);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i);
    automaton.scan(lines[i], [&](int name) {
      auto& list = *listOf[static_cast<size_t>(name)];
      if (list.empty() || list.back() != line) list.push_back(line);
    });
  }
  return found;
}

}  // namespace model
