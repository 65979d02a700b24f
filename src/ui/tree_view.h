#pragma once
// A tree of captioned nodes, one of them selected. Nodes are known by the number AddNode gave.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace halvex::ui {

class TreeView : public Control {
 public:
  static constexpr int kNone = -1;
  static constexpr int kRoot = -1;  // the parent of the top-level nodes

  struct Node {
    std::string caption;
    int parent = kRoot;
  };

  explicit TreeView(std::string name) : Control(ControlKind::TreeView, std::move(name)) {}

  // Adds a node below `parent` (kRoot for the top level) and answers its number; kNone for a
  // parent that does not exist.
  int AddNode(int parent, std::string caption);
  const std::vector<Node>& nodes() const { return nodes_; }
  // Removes every node and the selection.
  void Clear();

  int selectedNode() const { return selected_; }
  // A change raises onSelect; a node that does not exist selects none.
  void SetSelectedNode(int node);
  std::function<void()> onSelect;

 private:
  std::vector<Node> nodes_;
  int selected_ = kNone;
};

}  // namespace halvex::ui
