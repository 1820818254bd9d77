#include "grid/foundation/PlexObj.h"

#include <gtest/gtest.h>

namespace {

// Counts the OnChange notifications of a settings object.
struct ChangeCounter {
  int Count = 0;
  TNotifyEvent Handler() {
    return [this](TObject*) { ++Count; };
  }
};

class TOtherSettings : public TGridPersistent {};

}  // namespace

TEST(SearchFooter, Defaults) {
  TSearchFooter designed(nullptr, true);
  EXPECT_EQ(designed.Color(), clWhite);
  EXPECT_EQ(designed.ColorTo(), clBtnFace);
  EXPECT_EQ(designed.FindNextCaption(), "Find &next");
  EXPECT_EQ(designed.FindPrevCaption(), "Find &previous");
  EXPECT_EQ(designed.MatchCaseCaption(), "Match case");
  EXPECT_EQ(designed.HighLightCaption(), "Highlight");
  EXPECT_EQ(designed.HintClose(), "Close");
  EXPECT_EQ(designed.HintFindNext(), "Find next occurrence");
  EXPECT_EQ(designed.HintFindPrev(), "Find previous occurrence");
  EXPECT_EQ(designed.HintHighlight(), "Highlight occurrences");
  EXPECT_TRUE(designed.ShowClose() && designed.ShowFindNext() && designed.ShowFindPrev());
  EXPECT_TRUE(designed.ShowHighLight() && designed.ShowMatchCase() && designed.AutoSearch);
  EXPECT_FALSE(designed.Visible() || designed.AutoThemeAdapt() || designed.AlwaysHighLight);
  EXPECT_EQ(designed.SearchColumn, -1);
  EXPECT_EQ(designed.SearchDirection, sdTopBottom);

  TSearchFooter runtime(nullptr, false);
  for (const QString& s :
       {runtime.FindNextCaption(), runtime.FindPrevCaption(), runtime.MatchCaseCaption(), runtime.HighLightCaption(),
        runtime.HintClose(), runtime.HintFindNext(), runtime.HintFindPrev(), runtime.HintHighlight()})
    EXPECT_TRUE(s.isEmpty());
}

TEST(SearchFooter, WhichSettersNotify) {
  TSearchFooter f(nullptr, false);
  ChangeCounter changes;
  f.OnChange = changes.Handler();
  f.SetShowClose(true);  // always notifies
  EXPECT_EQ(changes.Count, 1);
  f.SetShowFindNext(true);  // only on a change
  EXPECT_EQ(changes.Count, 1);
  f.SetShowFindNext(false);
  EXPECT_EQ(changes.Count, 2);
  f.SetColor(f.Color());
  f.SetHintClose("x");
  TFont font;
  font.SetStyle({fsBold});
  f.SetFont(font);
  EXPECT_EQ(changes.Count, 5);
  EXPECT_TRUE(f.Font().Style().Contains(fsBold));
  f.SetVisible(false);
  EXPECT_EQ(changes.Count, 5);
}

TEST(SearchFooter, AssignCopiesFieldsWithoutNotifying) {
  TSearchFooter source(nullptr, true), target(nullptr, false);
  source.SetColor(clRed);
  source.SetVisible(true);
  source.SetShowMatchCase(false);
  source.SearchColumn = 3;
  source.SearchDirection = sdLeftRight;
  source.AutoSearch = false;
  source.SetAutoThemeAdapt(true);
  source.SearchFixedCells = true;
  source.LastSearch = "abc";
  TFont font;
  font.SetName("Verdana");
  source.SetFont(font);
  ChangeCounter changes;
  target.OnChange = changes.Handler();
  target.Assign(&source);
  EXPECT_EQ(changes.Count, 0);
  EXPECT_EQ(target.Color(), clRed);
  EXPECT_TRUE(target.Visible());
  EXPECT_FALSE(target.ShowMatchCase());
  EXPECT_EQ(target.SearchColumn, 3);
  EXPECT_EQ(target.SearchDirection, sdLeftRight);
  EXPECT_EQ(target.FindNextCaption(), "Find &next");
  EXPECT_EQ(target.Font().Name(), "Verdana");
  EXPECT_NE(&target.Font(), &source.Font());
  // Not copied:
  EXPECT_TRUE(target.AutoSearch);
  EXPECT_FALSE(target.AutoThemeAdapt());
  EXPECT_FALSE(target.SearchFixedCells);
  EXPECT_TRUE(target.LastSearch.isEmpty());
  EXPECT_TRUE(bool(target.OnChange));
}

TEST(Navigation, DefaultsAndSetters) {
  TNavigation n;
  EXPECT_TRUE(n.AdvanceOnEnterLoop && n.AdvanceAutoEdit && n.AdvanceSkipReadOnlyCells && n.AllowClipboardRowGrow);
  EXPECT_TRUE(n.AllowClipboardColGrow && n.AllowCtrlEnter && n.EditSelectAll && n.ComboGetUpDown);
  EXPECT_TRUE(n.CursorWalkAlwaysEdit && n.LeftRightRowSelect && n.CopyHTMLTagsToClipboard && n.SkipFixedCells);
  EXPECT_TRUE(n.SkipDisabledRows);
  EXPECT_FALSE(n.AdvanceOnEnter || n.AdvanceInsert() || n.AdvanceAuto() || n.KeepScrollOnSort || n.TabToNextAtEnd);
  EXPECT_EQ(n.AdvanceDirection(), adLeftRight);
  EXPECT_EQ(n.HomeEndKey, heFirstLastColumn);
  EXPECT_EQ(n.CursorAdvance, caDefault);

  ChangeCounter changes;
  n.OnChange = changes.Handler();
  n.SetAdvanceAuto(true);
  EXPECT_TRUE(n.AdvanceOnEnter);
  n.SetAdvanceAuto(false);
  EXPECT_TRUE(n.AdvanceOnEnter);
  EXPECT_EQ(changes.Count, 0);
  n.SetAdvanceDirection(adLeftRight);
  n.SetAdvanceDirection(adTopBottom);
  n.SetAdvanceInsert(true);
  EXPECT_EQ(changes.Count, 2);
}

TEST(Navigation, AssignKeepsKeepScrollOnSortAndTheEvent) {
  TNavigation source, target;
  source.TabAdvanceDirection = adTopBottomInCol;
  source.KeepScrollOnSort = true;
  source.SetAdvanceDirection(adTopBottom);
  source.SetAdvanceAuto(true);
  source.AllowInsertRow = true;
  source.ClipboardPasteAction = paInsert;
  ChangeCounter changes;
  target.OnChange = changes.Handler();
  target.Assign(&source);
  EXPECT_EQ(target.TabAdvanceDirection, adTopBottomInCol);
  EXPECT_FALSE(target.KeepScrollOnSort);
  EXPECT_EQ(target.AdvanceDirection(), adTopBottom);
  EXPECT_TRUE(target.AdvanceAuto() && target.AdvanceOnEnter && target.AllowInsertRow);
  EXPECT_EQ(target.ClipboardPasteAction, paInsert);
  EXPECT_EQ(changes.Count, 0);
  target.SetAdvanceInsert(true);
  EXPECT_EQ(changes.Count, 1);  // the target kept its own handler
}

TEST(MouseActions, DisjunctSelectionsExcludeOneAnotherOnlyAtDesignTime) {
  TMouseActions m(nullptr);
  m.SetDisjunctRowSelect(true);
  m.SetDisjunctColSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect());
  bool designing = true;
  m.OnIsDesigning = [&](TObject*, bool& d) { d = designing; };
  m.SetDisjunctCellSelect(true);
  EXPECT_FALSE(m.DisjunctRowSelect() || m.DisjunctColSelect());
  m.SetDisjunctRowSelectDirect(true);
  EXPECT_TRUE(m.DisjunctCellSelect());
}

TEST(MouseActions, SettersWithEvents) {
  TMouseActions m(nullptr);
  EXPECT_TRUE(m.AutoSizeColOnDblClick && m.PreciseNodeClick);
  EXPECT_EQ(m.WheelAction(), waMoveSelection);
  EXPECT_EQ(m.FixedRowsEditor, fceEdit);
  ChangeCounter changes, invalidates, disables;
  m.OnChange = changes.Handler();
  m.OnInvalidate = invalidates.Handler();
  m.OnDisableEdit = disables.Handler();
  m.SetHotmailRowSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect() && m.CheckAllCheck);
  m.SetHotmailRowSelect(false);
  EXPECT_EQ(invalidates.Count, 2);
  m.SetEditOnDblClickOnly(true);
  m.SetEditOnDblClickOnly(false);
  EXPECT_EQ(disables.Count, 1);
  m.SetWheelAction(waMoveSelection);
  m.SetWheelAction(waScroll);
  EXPECT_EQ(changes.Count, 1);
  TStringList values;
  values.Add("a");
  values.Add("b");
  m.SetFixedComboValues(values);
  EXPECT_EQ(m.FixedComboValues().Count(), 2);
}

TEST(MouseActions, AssignLeavesOutTheListed) {
  TMouseActions source(nullptr), target(nullptr);
  source.RowSelect = true;
  source.SizeFixedCol = true;
  source.SizeFixedRow = true;
  source.SetHotmailRowSelect(true);
  source.SetEditOnDblClickOnly(true);
  source.SetWheelAction(waScroll);
  source.WheelIncrement = 3;
  TStringList values;
  values.Add("x");
  source.SetFixedComboValues(values);
  ChangeCounter changes;
  target.OnChange = changes.Handler();
  target.Assign(&source);
  EXPECT_TRUE(target.RowSelect && target.SizeFixedCol && target.DisjunctRowSelect() && target.CheckAllCheck);
  EXPECT_EQ(target.WheelAction(), waScroll);
  EXPECT_EQ(target.WheelIncrement, 3);
  EXPECT_FALSE(target.SizeFixedRow || target.HotmailRowSelect() || target.EditOnDblClickOnly());
  EXPECT_EQ(target.FixedComboValues().Count(), 0);
  EXPECT_EQ(changes.Count, 0);
}

TEST(SyncGrid, TheOwnerIsRefused) {
  TComponent owner(nullptr), other(nullptr);
  TSyncGrid sync(&owner);
  sync.SetGrid(&owner);
  EXPECT_EQ(sync.Grid(), nullptr);
  sync.SetGrid(&other);
  EXPECT_EQ(sync.Grid(), &other);

  TSyncGrid source(&other);
  source.SetGrid(&owner);
  source.MoveRow = true;
  TSyncGrid target(&owner);
  target.Assign(&source);
  EXPECT_EQ(target.Grid(), nullptr);
  EXPECT_TRUE(target.MoveRow);
}

TEST(Bands, LengthsColoursAndNotification) {
  TBands b;
  EXPECT_EQ(b.PrimaryColor(), clInfoBk);
  EXPECT_EQ(b.SecondaryColor(), clWindow);
  EXPECT_EQ(b.TotalLength(), 2);
  ChangeCounter changes;
  b.OnChange = changes.Handler();
  b.SetPrimaryColor(clRed);  // inactive: silent
  EXPECT_EQ(changes.Count, 0);
  b.SetActive(true);
  b.SetPrimaryLength(2);
  b.SetSecondaryLength(3);
  EXPECT_EQ(changes.Count, 3);
  EXPECT_EQ(b.TotalLength(), 5);
  const TColor expected[] = {clRed, clRed, clWindow, clWindow, clWindow, clRed, clRed};
  for (int row = 0; row < 7; ++row) {
    TColor c = clNone;
    ASSERT_TRUE(b.BandColor(row, c));
    EXPECT_EQ(c, expected[row]) << row;
  }
  b.SetPrimaryLength(0);
  b.SetSecondaryLength(0);
  TColor c = clNone;
  EXPECT_FALSE(b.BandColor(0, c));
}

TEST(Bands, AssignRecomputesTotalLength) {
  TBands source, target;
  source.SetPrimaryLength(4);
  source.SetSecondaryLength(2);
  source.Print = true;
  ChangeCounter changes;
  target.OnChange = changes.Handler();
  target.Assign(&source);
  EXPECT_EQ(target.TotalLength(), 6);
  EXPECT_TRUE(target.Print);
  EXPECT_EQ(changes.Count, 0);
}

TEST(OptionClasses, AssignFromAnotherClassDoesNothing) {
  TOtherSettings other;
  TBands bands;
  bands.SetPrimaryLength(7);
  bands.Assign(&other);
  bands.Assign(nullptr);
  EXPECT_EQ(bands.PrimaryLength(), 7);
  TFocusHelper focus(nullptr), source(nullptr);
  source.Enabled = true;
  focus.Assign(&bands);
  EXPECT_FALSE(focus.Enabled);
  focus.Assign(&source);
  EXPECT_TRUE(focus.Enabled);
  TNavigation nav;
  nav.AllowDeleteRow = true;
  nav.Assign(&focus);
  EXPECT_TRUE(nav.AllowDeleteRow);
}
