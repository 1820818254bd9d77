#include "platform/Dialogs.h"
#include "platform/Timers.h"

#include <gtest/gtest.h>

TEST(Dialogs, ScriptedServiceAnswersAndRecords) {
  TScriptedDialogScope dialogs;
  dialogs->Answer(mrNo);
  EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, mbYesNoCancel), mrNo);
  EXPECT_EQ(MessageDlg("Unscripted", mtError, {mbOK}), mrOk);
  EXPECT_EQ(MessageBox("Sure?", "Confirm", MB_YESNO | MB_ICONQUESTION), IDYES);
  ASSERT_EQ(dialogs->Records().size(), 3u);
  EXPECT_EQ(dialogs->Records()[0].Text, "Save changes?");
  EXPECT_EQ(dialogs->Records()[0].Buttons, mbYesNoCancel);
  EXPECT_EQ(dialogs->Records()[2].Type, mtConfirmation);

  TSaveDialog save(nullptr);
  save.Filter = "Management Information Base (*.mib)|*.mib";
  EXPECT_FALSE(save.Execute());  // unscripted file dialogs are cancelled
  dialogs->AnswerFile("/tmp/out.mib");
  EXPECT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/out.mib");
  EXPECT_EQ(dialogs->Records().back().Kind, TDialogKind::SaveFile);
  EXPECT_EQ(dialogs->Records().back().Filter, "Management Information Base (*.mib)|*.mib");
}

TEST(Dialogs, LibraryFilterToQt) {
  EXPECT_EQ(QtFilterFromLibraryFilter("CSV (MS-DOS) (*.csv)|*.csv"), "CSV (MS-DOS) (*.csv) (*.csv)");
  EXPECT_EQ(QtFilterFromLibraryFilter("A|*.a;*.b|All|*.*"), "A (*.a *.b);;All (*.*)");
  EXPECT_EQ(QtFilterFromLibraryFilter(""), "");
}

TEST(Timers, ManualClockFiresDueTimersInOrder) {
  TManualClockScope scope;
  TTimer slow(nullptr), fast(nullptr);
  std::vector<QString> log;
  slow.SetEnabled(false);
  slow.SetInterval(60000);
  slow.OnTimer = [&](TObject*) { log.push_back(QString("slow %1").arg(scope.Clock().Now())); };
  slow.SetEnabled(true);
  fast.SetInterval(25000);
  fast.OnTimer = [&](TObject*) {
    log.push_back(QString("fast %1").arg(scope.Clock().Now()));
    if (scope.Clock().Now() >= 50000) fast.SetEnabled(false);
  };
  scope.Clock().Advance(130000);
  EXPECT_EQ(log, std::vector<QString>({"fast 25000", "fast 50000", "slow 60000", "slow 120000"}));
  slow.SetInterval(7200000);  // a new interval starts counting again
  scope.Clock().Advance(7199999);
  EXPECT_EQ(log.size(), 4u);
  scope.Clock().Advance(1);
  EXPECT_EQ(log.size(), 5u);
}
