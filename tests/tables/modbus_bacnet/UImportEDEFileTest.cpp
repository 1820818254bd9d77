// Reading an EDE file into the pick list, and the pick dialog driven by the user.
#include "EditorTestKit.h"

#include "grid/editing/PlexColumnGrid.h"
#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/UImportEDEFile.h"

#include <QTimer>

namespace {

// The header of the layout the EDE writer writes: "# mandatory" at index 5.
QStringList Header() {
  return {"PROJECT_NAME; Maker-Plant;;;;;;",
          "VERSION_OF_REFERENCEFILE;1.0;;;;;;",
          "TIMESTAMP_OF_LAST_CHANGE;2026-12-11;;;;;;",
          "AUTHOR_OF_LAST_CHANGE;Maker;;;;;;",
          "VERSION_OF_LAYOUT;2;;;;;;",
          "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;",
          "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"};
}

class ImportEDETest : public EditorTest {};

}  // namespace

TEST_F(ImportEDETest, TheDataStartFollowsTheMandatoryLine) {
  QStringList written = Header();
  written << "K1;7;Temp;0;1;Room;62;"
          << "K2;7;Dev;8;7;Device;95;"
          << "K3;7;Fan;4;2;Fan;95;";
  EXPECT_EQ(EdeDataStart(written), 7);
  auto objects = ParseEdeLines(written);
  ASSERT_EQ(objects.size(), 2u);  // the device object is dropped
  EXPECT_EQ(objects[0]->object_name, "Temp");
  EXPECT_EQ(objects[0]->present_value_default, "62");  // the fields go by the reader's columns

  // "# mandatory" as the seventh line: data from index 8, whatever comes later.
  QStringList seventh = {"a",
                         "b",
                         "c",
                         "d",
                         "e",
                         "f",
                         " #  mandatory columns",
                         "titles",
                         "K;1;N;2;3;D;;;;Y;N;;;;;x;y;",
                         "# mandatory again"};
  EXPECT_EQ(EdeDataStart(seventh), 8);
  objects = ParseEdeLines(seventh);
  ASSERT_EQ(objects.size(), 1u);
  const TBACnet_Var& v = *objects[0];
  EXPECT_EQ(v.keyname, "K");
  EXPECT_EQ(v.device_obj_instance, 1);
  EXPECT_EQ(v.object_type, 2);
  EXPECT_EQ(v.object_instance, 3);
  EXPECT_TRUE(v.commandable);
  EXPECT_FALSE(v.support_COV);
  EXPECT_EQ(v.vendor_specific_address, "x;y");  // the rest, one trailing ";" removed
  EXPECT_TRUE(v.import && v.read && v.write);

  // Types 8, 15, 17 never reach the list; a short file has no data.
  const QStringList dropped = Header() + QStringList{"a;1;n;8;1;", "b;1;n;15;1;", "c;1;n;17;1;", "d;1;n;x;1;"};
  EXPECT_TRUE(ParseEdeLines(dropped).empty());
  const QStringList fiveLines = {"# mandatory", "K;1;N;0;1;", "K;1;N;0;2;", "", ""};
  EXPECT_EQ(EdeDataStart(fiveLines), 2);  // no line 6: the scan goes on
  EXPECT_EQ(ParseEdeLines(fiveLines).size(), 1u);
  EXPECT_TRUE(ParseEdeLines({"a", "b", "c", "d", "e"}).empty());
  EXPECT_EQ(EdeDataStart({"a", "b", "c", "d", "e"}), -1);
}

TEST_F(ImportEDETest, ThePickListDrivenByTheUser) {
  const QString path = Dir.path() + "/device.csv";
  WriteFile(path, (Header() + QStringList{"K1;7;Switch;3;1;Not commandable;95;", "K2;7;Out;4;2;Commandable;;;;Y;"})
                      .join("\r\n")
                      .toLatin1());
  auto form = Create<TFImportEDEFile>();
  form->EDE_File = path;
  const auto steps = [&] {
    ASSERT_TRUE(WaitActive(*form));
    TPlexColumnGrid* grid = form->PCG;
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->GetCellEx(3, 1), "N");
    EXPECT_EQ(grid->GetCellEx(3, 2), "Y");
    EXPECT_EQ(grid->GetCellEx(8, 2), "Y");
    ClickCell(grid, 3, 1);  // Write on an object that is only read
    EXPECT_EQ(DialogTexts(), QStringList({"Error line 1!! The Variable is only in read"}));
    EXPECT_EQ(grid->GetCellEx(3, 1), "N");
    EXPECT_FALSE(form->List_EDE_Var[0]->write);
    ClickCell(grid, 2, 2);
    EXPECT_FALSE(form->List_EDE_Var[1]->read);
    Press(form->Btn_Unselect_All);
    EXPECT_FALSE(form->List_EDE_Var[0]->import);
    EXPECT_EQ(grid->GetCellEx(1, 2), "N");
    Press(form->Btn_Select_All);
    EXPECT_TRUE(form->List_EDE_Var[1]->import);
    QTest::keyClicks(form->E_ID_IP->Widget(), "1.2.3");
    Shot(*form, "ImportEDEFile");
    Dialogs->ClearRecords();
    Press(form->Btn_OK);
    EXPECT_EQ(DialogTexts(), QStringList({"Error!! IP Address is not correct"}));
    EXPECT_EQ(form->ModalResult(), mrNone);
    QTest::keyClicks(form->E_ID_IP->Widget(), ".4");
    Press(form->Btn_OK);
  };
  QTimer::singleShot(0, [&] {
    steps();
    if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(form->E_ID_IP->Text(), "1.2.3.4");

  // MS/TP asks for a slave ID; the objects of the last show stay until the next.
  form->App_BACnet_Type = 1;
  form->E_ID_IP->SetText("255");
  Dialogs->ClearRecords();
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(DialogTexts(), QStringList({"Error!! Slave ID must be between 0 and 254"}));
  EXPECT_EQ(form->List_EDE_Var.size(), 2u);
}
