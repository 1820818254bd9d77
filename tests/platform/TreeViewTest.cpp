// The tree view as the editors use it: nodes in order with images and
// expanded state, a mouse click that selects and reports, labels that cannot
// be edited, and text colours asked from the handler.
#include "platform/TreeView.h"

#include "platform/Forms.h"
#include "platform/ImageList.h"

#include <QImage>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TreeViewFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TTreeView* Tree = nullptr;
  void SetUp() override {
    Form->SetClientWidth(300);
    Form->SetClientHeight(300);
    Tree = new TTreeView(Form.get());
    Tree->SetParent(Form.get());
    Tree->SetBounds(0, 0, 300, 300);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  QPoint CentreOf(TTreeNode* Node) const { return Tree->Tree()->visualItemRect(Node->ItemWidget()).center(); }
  void Click(TTreeNode* Node) {
    QTest::mouseClick(Tree->Tree()->viewport(), Qt::LeftButton, Qt::NoModifier, CentreOf(Node));
  }
};

}  // namespace

TEST_F(TreeViewFixture, NodesKeepTheirOrderTextsAndExpandedState) {
  TTreeNode* root = Tree->AddChild(nullptr, "IED1");
  TTreeNode* a = Tree->AddChild(root, "LD0");
  TTreeNode* b = Tree->AddChild(root, "LD1");
  TTreeNode* leaf = Tree->AddChild(a, "XCBR1");
  EXPECT_EQ(Tree->Count(), 1);
  ASSERT_EQ(root->Count(), 2);
  EXPECT_EQ(root->Item(0), a);
  EXPECT_EQ(root->Item(1), b);
  EXPECT_EQ(leaf->Parent(), a);
  EXPECT_EQ(leaf->Text(), "XCBR1");
  EXPECT_FALSE(a->Expanded());
  root->SetExpanded(true);
  a->SetExpanded(true);
  EXPECT_TRUE(a->Expanded());
  Tree->SetIndent(19);
  EXPECT_EQ(Tree->Indent(), 19);
  Tree->Clear();
  EXPECT_EQ(Tree->Count(), 0);
  EXPECT_EQ(Tree->Tree()->topLevelItemCount(), 0);
}

TEST_F(TreeViewFixture, AClickSelectsTheNodeAndReportsIt) {
  TTreeNode* root = Tree->AddChild(nullptr, "IED1");
  TTreeNode* child = Tree->AddChild(root, "LD0");
  root->SetExpanded(true);
  TTreeNode* seen = nullptr;
  int clicks = 0;
  Tree->OnClick = [&](TObject*) {
    ++clicks;
    seen = Tree->Selected();
  };
  Click(child);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(seen, child);
  EXPECT_TRUE(child->Selected());
  EXPECT_EQ(Tree->GetNodeAt(CentreOf(root).x(), CentreOf(root).y()), root);
  // Selecting from code reports nothing.
  Tree->SetSelected(root);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Tree->Selected(), root);
}

TEST_F(TreeViewFixture, LabelsAreReadOnly) {
  TTreeNode* root = Tree->AddChild(nullptr, "IED1");
  Click(root);
  QTest::keyClick(Tree->Tree(), Qt::Key_F2);
  QTest::keyClicks(Tree->Tree(), "x");
  QTest::keyClick(Tree->Tree(), Qt::Key_Return);
  EXPECT_EQ(root->Text(), "IED1");
}

TEST_F(TreeViewFixture, TextColourAndImagesComeFromTheView) {
  TImageList images(16, 16);
  QImage red(16, 16, QImage::Format_ARGB32);
  red.fill(Qt::red);
  images.Add(red);
  images.Add(red);
  TTreeNode* root = Tree->AddChild(nullptr, "IED1");
  TTreeNode* child = Tree->AddChild(root, "Pos");
  child->SetImageIndex(1);
  root->SetImageIndex(7);  // outside the list: no image
  Tree->SetImages(&images);
  EXPECT_FALSE(child->ItemWidget()->icon(0).isNull());
  EXPECT_TRUE(root->ItemWidget()->icon(0).isNull());
  EXPECT_EQ(Tree->NodeTextColor(child), clWindowText);
  Tree->OnCustomDrawItem = [](TObject*, TTreeNode* Node, TColor& Colour) {
    if (Node->ImageIndex() == 1) Colour = TColor(0xFF0000);
  };
  EXPECT_EQ(Tree->NodeTextColor(child), TColor(0xFF0000));
  EXPECT_EQ(Tree->NodeTextColor(root), clWindowText);
  root->SetExpanded(true);
  Tree->Tree()->viewport()->repaint();  // the delegate asks while painting
}

TEST_F(TreeViewFixture, ChangeReportsTheNodeTheUserMovesTo) {
  TTreeNode* root = Tree->AddChild(nullptr, "IED1");
  TTreeNode* a = Tree->AddChild(root, "LD0");
  TTreeNode* b = Tree->AddChild(root, "LD1");
  root->SetExpanded(true);
  std::vector<TTreeNode*> changes;
  Tree->OnChange = [&](TObject* Sender, TTreeNode* Node) {
    EXPECT_EQ(Sender, Tree);
    changes.push_back(Node);
  };
  Tree->SetSelected(a);  // code: no event
  EXPECT_TRUE(changes.empty());
  Tree->Tree()->setFocus();
  QTest::keyClick(Tree->Tree(), Qt::Key_Down);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes.back(), b);
  EXPECT_EQ(Tree->Selected(), b);
  Click(root);
  EXPECT_EQ(changes.back(), root);
  Tree->Clear();  // removing nodes reports nothing
  EXPECT_EQ(changes.size(), 2u);
}
