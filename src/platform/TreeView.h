// A tree view with nodes the view owns: text, image index, children in order,
// expanded state and one selected node. The text colour of each node comes
// from OnCustomDrawItem when it is painted; labels are read-only.
#pragma once

#include "platform/Controls.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TImageList;
class TTreeView;

class TTreeNode {
public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;
  ~TTreeNode();

  QString Text() const;
  void SetText(const QString& v);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  bool Expanded() const;
  void SetExpanded(bool v);
  bool Selected() const;
  TTreeNode* Parent() const { return FParent; }
  int Count() const { return int(FChildren.size()); }
  TTreeNode* Item(int i) const { return FChildren.at(size_t(i)).get(); }
  TTreeView* TreeView() const { return FView; }
  QTreeWidgetItem* ItemWidget() const { return FItem; }

private:
  friend class TTreeView;
  TTreeNode(TTreeView* View, TTreeNode* Parent, QTreeWidgetItem* Item);

  TTreeView* FView;
  TTreeNode* FParent;
  QTreeWidgetItem* FItem;  // owned by the Qt tree, freed with the node
  int FImageIndex = -1;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

// The selected node changed by the mouse or the keys (not from code).
using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
// Asks the text colour a node is drawn in; the colour comes in as clWindowText.
using TTVCustomDrawItemEvent = std::function<void(TObject* Sender, TTreeNode* Node, TColor& FontColor)>;

class TTreeView : public TWinControl {
public:
  explicit TTreeView(TComponent* AOwner);
  ~TTreeView() override;

  // A new last child of Parent (a new root node when Parent is null).
  TTreeNode* AddChild(TTreeNode* Parent, const QString& Text);
  // Removes every node.
  void Clear();
  int Count() const { return int(FRoots.size()); }
  TTreeNode* Item(int i) const { return FRoots.at(size_t(i)).get(); }

  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* Node);

  int Indent() const;
  void SetIndent(int v);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* v);

  // The colour the node's text is painted in, as OnCustomDrawItem gives it.
  TColor NodeTextColor(TTreeNode* Node);
  // The node shown at a client point, or null.
  TTreeNode* GetNodeAt(int X, int Y) const;
  QTreeWidget* Tree() const { return FTree; }

  TTVCustomDrawItemEvent OnCustomDrawItem;
  // Not while nodes are added or removed.
  TTVChangedEvent OnChange;

protected:
  bool ClicksOnMouseUp() const override { return false; }

private:
  friend class TTreeNode;
  TTreeNode* NodeOf(QTreeWidgetItem* Item) const;
  void ApplyImage(TTreeNode* Node);

  QTreeWidget* FTree;
  TImageList* FImages = nullptr;
  std::vector<std::unique_ptr<TTreeNode>> FRoots;
  bool FUpdating = false;
  bool FItemsGone = false;
};
