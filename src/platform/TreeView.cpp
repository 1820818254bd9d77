#include "platform/TreeView.h"

#include "platform/Application.h"
#include "platform/Graphics.h"
#include "platform/ImageList.h"
#include "platform/internal/Painting.h"

#include <QHeaderView>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {
// The item's own node, so a click finds its node without a search.
constexpr int NodeRole = Qt::UserRole + 1;

// Paints each item's text in the colour the view's handler gives.
class TNodeDelegate : public QStyledItemDelegate {
public:
  TNodeDelegate(TTreeView* View, QObject* Parent) : QStyledItemDelegate(Parent), FView(View) {}

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    auto* node = static_cast<TTreeNode*>(index.data(NodeRole).value<void*>());
    if (!node) return;
    const QColor colour = ToQColor(FView->NodeTextColor(node));
    option->palette.setColor(QPalette::Text, colour);
    option->palette.setColor(QPalette::HighlightedText, colour);
  }

private:
  TTreeView* FView;
};
}  // namespace

// ---- TTreeNode ----

TTreeNode::TTreeNode(TTreeView* View, TTreeNode* Parent, QTreeWidgetItem* Item)
    : FView(View), FParent(Parent), FItem(Item) {
  FItem->setData(0, NodeRole, QVariant::fromValue(static_cast<void*>(this)));
}

TTreeNode::~TTreeNode() {
  // Children first, so each frees its own item before the parent's goes.
  while (!FChildren.empty()) FChildren.pop_back();
  if (!FView->FItemsGone) delete FItem;
}

QString TTreeNode::Text() const { return FItem->text(0); }
void TTreeNode::SetText(const QString& v) { FItem->setText(0, v); }

void TTreeNode::SetImageIndex(int v) {
  FImageIndex = v;
  FView->ApplyImage(this);
}

bool TTreeNode::Expanded() const { return FItem->isExpanded(); }
void TTreeNode::SetExpanded(bool v) { FItem->setExpanded(v); }
bool TTreeNode::Selected() const { return FView->Selected() == this; }

// ---- TTreeView ----

TTreeView::TTreeView(TComponent* AOwner) : TWinControl(AOwner, new QTreeWidget()) {
  FTree = static_cast<QTreeWidget*>(Widget());
  FTree->setHeaderHidden(true);
  FTree->setColumnCount(1);
  FTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FTree->setSelectionMode(QAbstractItemView::SingleSelection);
  FTree->setItemDelegate(new TNodeDelegate(this, FTree));
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  QObject::connect(FTree, &QTreeWidget::itemClicked, [this](QTreeWidgetItem*, int) {
    if (!FUpdating) SafeCall([this] { Click(); });
  });
  QObject::connect(FTree, &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* Current, QTreeWidgetItem*) {
    if (FUpdating || !OnChange) return;
    TTreeNode* node = NodeOf(Current);
    SafeCall([this, node] { OnChange(this, node); });
  });
}

TTreeView::~TTreeView() {
  FUpdating = true;
  // The Qt tree may have gone first (with a parent widget); its items went with it.
  FItemsGone = Widget() == nullptr;
  FRoots.clear();
}

TTreeNode* TTreeView::AddChild(TTreeNode* Parent, const QString& Text) {
  auto* item = new QTreeWidgetItem(QStringList{Text});
  std::unique_ptr<TTreeNode> node(new TTreeNode(this, Parent, item));
  FUpdating = true;
  if (Parent) {
    Parent->FItem->addChild(item);
    Parent->FChildren.push_back(std::move(node));
  } else {
    FTree->addTopLevelItem(item);
    FRoots.push_back(std::move(node));
  }
  FUpdating = false;
  return Parent ? Parent->FChildren.back().get() : FRoots.back().get();
}

void TTreeView::Clear() {
  FUpdating = true;
  FRoots.clear();
  FTree->clear();
  FUpdating = false;
}

TTreeNode* TTreeView::NodeOf(QTreeWidgetItem* Item) const {
  return Item ? static_cast<TTreeNode*>(Item->data(0, NodeRole).value<void*>()) : nullptr;
}

TTreeNode* TTreeView::Selected() const {
  const QList<QTreeWidgetItem*> items = FTree->selectedItems();
  return items.isEmpty() ? nullptr : NodeOf(items.front());
}

void TTreeView::SetSelected(TTreeNode* Node) {
  FUpdating = true;
  FTree->clearSelection();
  if (Node) {
    FTree->setCurrentItem(Node->FItem);
    Node->FItem->setSelected(true);
  }
  FUpdating = false;
}

int TTreeView::Indent() const { return FTree->indentation(); }
void TTreeView::SetIndent(int v) { FTree->setIndentation(v); }

void TTreeView::SetImages(TImageList* v) {
  FImages = v;
  if (FImages) FTree->setIconSize(QSize(FImages->Width(), FImages->Height()));
  std::function<void(TTreeNode*)> apply = [&](TTreeNode* node) {
    ApplyImage(node);
    for (const auto& child : node->FChildren) apply(child.get());
  };
  for (const auto& root : FRoots) apply(root.get());
}

void TTreeView::ApplyImage(TTreeNode* Node) {
  TBitmap bitmap;
  if (FImages && FImages->GetBitmap(Node->FImageIndex, bitmap))
    Node->FItem->setIcon(0, QIcon(QPixmap::fromImage(bitmap.Image())));
  else
    Node->FItem->setIcon(0, QIcon());
}

TColor TTreeView::NodeTextColor(TTreeNode* Node) {
  TColor colour = clWindowText;
  if (OnCustomDrawItem) SafeCall([&] { OnCustomDrawItem(this, Node, colour); });
  return colour;
}

TTreeNode* TTreeView::GetNodeAt(int X, int Y) const { return NodeOf(FTree->itemAt(X, Y)); }
