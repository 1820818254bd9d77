// The SCL reader: the object tree of real-looking files, the references it
// builds, how data-set members resolve, and files that would never end.
#include "tables/iec_opcua_mqtt/UIEC_Client_Decode.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString Fixture(const QString& Name) { return QStringLiteral(QUILLORE_FIXTURES "/scl/") + Name; }

// A file written from the text, for the cases small enough to stand in the test.
class SclText {
public:
  explicit SclText(const QByteArray& Text) {
    QFile file(Dir.path() + "/case.icd");
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Text);
    Path = file.fileName();
  }
  QTemporaryDir Dir;
  QString Path;
};

const TIEC_DataSet* FindDataSet(const TIEC_Device& Device, const QString& Reference) {
  for (const auto& ld : Device.List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& ds : ln->List_DataSet)
        if (ds->Reference == Reference) return ds.get();
  return nullptr;
}

QStringList MemberReferences(const TIEC_DataSet& DataSet) {
  QStringList r;
  for (const TIEC_DA* da : DataSet.List_DA) r << da->Reference;
  return r;
}

int CountObjects(const TIEC_DA& Da) {
  int n = 1;
  for (const auto& sub : Da.List_DA) n += CountObjects(*sub);
  return n;
}

int CountObjects(const TIEC_DO& Do) {
  int n = 1;
  for (const auto& sub : Do.List_DO) n += CountObjects(*sub);
  for (const auto& da : Do.List_DA) n += CountObjects(*da);
  return n;
}

class Feeder : public ::testing::Test {
protected:
  static void SetUpTestSuite() { Device = std::make_unique<TIEC_Device>(Fixture("feeder.icd")); }
  static void TearDownTestSuite() { Device.reset(); }
  static const TIEC_LN* LN(const QString& LDevice, int Index) {
    return Device->Find_LDevice(LDevice)->List_LN[size_t(Index)].get();
  }
  static std::unique_ptr<TIEC_Device> Device;
};
std::unique_ptr<TIEC_Device> Feeder::Device;

}  // namespace

TEST_F(Feeder, TheFirstIedAndTheFirstAccessPointOnly) {
  EXPECT_EQ(Device->Name, "IED1");
  EXPECT_EQ(Device->FileName, "feeder.icd");
  ASSERT_EQ(Device->List_LDevice.size(), 2u);
  EXPECT_EQ(Device->List_LDevice[0]->Name, "LD0");
  EXPECT_EQ(Device->List_LDevice[1]->Name, "LD1");
  EXPECT_EQ(Device->Find_LDevice("LDX"), nullptr);
  EXPECT_EQ(Device->Find_LDevice("ld0"), nullptr);
}

TEST_F(Feeder, LogicalNodesInDocumentOrderWithTheirTexts) {
  const TIEC_LDevice* ld = Device->Find_LDevice("LD0");
  ASSERT_EQ(ld->List_LN.size(), 5u);
  const TIEC_LN* mmxu = ld->List_LN[3].get();
  EXPECT_EQ(mmxu->lnClass, "MMXU");
  EXPECT_EQ(mmxu->Prefix, "Q0");
  EXPECT_EQ(mmxu->Inst, "1");
  EXPECT_EQ(mmxu->lnType, "MMXU_T");
  EXPECT_EQ(ld->Find_LN("XCBR"), ld->List_LN[1].get());
}

TEST_F(Feeder, AttributeReferencesJoinWithoutSeparatorAfterTheIed) {
  const TIEC_DO* pos = LN("LD0", 1)->Find_DO("Pos");
  ASSERT_NE(pos, nullptr);
  EXPECT_EQ(pos->Find_DA("stVal")->Reference, "IED1LD0/XCBR1.Pos.stVal");
  EXPECT_EQ(LN("LD0", 2)->Find_DO("Pos")->Find_DA("q")->Reference, "IED1LD0/XCBR2.Pos.q");
  // The prefix belongs to a node's attribute references.
  EXPECT_EQ(LN("LD0", 3)->Find_DO("TotW")->Find_DA("f")->Reference, "IED1LD0/Q0MMXU1.TotW.mag.f");
  EXPECT_EQ(LN("LD0", 3)->Find_DO("phsA")->Find_DA("f")->Reference, "IED1LD0/Q0MMXU1.A.phsA.cVal.mag.f");
}

TEST_F(Feeder, FunctionalConstraintsAndBasicTypes) {
  const TIEC_DA* oper = LN("LD0", 1)->Find_DO("Pos")->Find_DA("Oper");
  ASSERT_NE(oper, nullptr);
  EXPECT_EQ(oper->FC, "CO");
  EXPECT_EQ(oper->bType, "Struct");
  EXPECT_EQ(oper->Find_DA("ctlVal")->FC, "CO");
  EXPECT_EQ(oper->Find_DA("Test")->FC, "SP");  // its own fc replaces the inherited one
  EXPECT_EQ(oper->Find_DA("orIdent")->FC, "CO");
  EXPECT_EQ(LN("LD0", 1)->Find_DO("Pos")->Find_DA("d")->FC, "");
  EXPECT_EQ(LN("LD0", 1)->Find_DO("Pos")->Find_DA("t")->bType, "Timestamp");
}

TEST_F(Feeder, TemplatesOfOneIdAllAddTheirChildrenAndEnumsGetNone) {
  const TIEC_DA* origin = LN("LD0", 1)->Find_DO("Pos")->Find_DA("origin");
  ASSERT_NE(origin, nullptr);
  QStringList names;
  for (const auto& sub : origin->List_DA) names << sub->Name;
  EXPECT_EQ(names, QStringList({"orCat", "orIdent", "extra"}));
  EXPECT_TRUE(origin->Find_DA("orCat")->List_DA.empty());  // a DAType with the Enum's id exists
  EXPECT_TRUE(LN("LD0", 0)->Find_DO("Mod")->Find_DA("stVal")->List_DA.empty());
  // A type no template has gives no children.
  EXPECT_TRUE(LN("LD0", 1)->Find_DO("Pos")->Find_DA("stVal")->List_DA.empty());
}

TEST_F(Feeder, SearchesAreDepthFirstAndADataObjectsAttributesLeaveOutItsSubDataObjects) {
  const TIEC_DO* a = LN("LD0", 3)->Find_DO("A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Find_DA("cVal"), nullptr);
  EXPECT_EQ(a->Find_DO("phsA"), LN("LD0", 3)->Find_DO("phsA"));
  EXPECT_EQ(a->Find_First_DA(), nullptr);
  EXPECT_EQ(LN("LD0", 3)->Find_DO("phsA")->Find_First_DA()->Reference, "IED1LD0/Q0MMXU1.A.phsA.cVal.mag.f");
  EXPECT_EQ(LN("LD0", 1)->Find_DO("Pos")->Find_First_DA()->Name, "stVal");
}

TEST_F(Feeder, DataSetReferencesLeaveOutPrefixAndInst) {
  EXPECT_NE(FindDataSet(*Device, "IED1LD0/LLN0.Events"), nullptr);
  EXPECT_NE(FindDataSet(*Device, "IED1LD0/MMXU.Meas"), nullptr);
}

TEST_F(Feeder, DataSetMembersResolveAsTheGatewayFindsThem) {
  const TIEC_DataSet* events = FindDataSet(*Device, "IED1LD0/LLN0.Events");
  ASSERT_NE(events, nullptr);
  // XCBR2 resolves against XCBR1; no daName takes the first leaf; "mag.f"
  // names nothing; "f" is found depth-first; unknown LD and LN give nothing.
  EXPECT_EQ(MemberReferences(*events),
            QStringList({"IED1LD0/XCBR1.Pos.stVal", "IED1LD0/XCBR1.Pos.q", "IED1LD0/Q0MMXU1.TotW.mag.f",
                         "IED1LD0/Q0MMXU1.TotW.mag.f"}));
  EXPECT_EQ(events->List_DA[0], LN("LD0", 1)->Find_DO("Pos")->Find_DA("stVal"));
  // A dotted doName names nothing; an SDO is found by its own name.
  EXPECT_EQ(MemberReferences(*FindDataSet(*Device, "IED1LD0/LLN0.Measures")),
            QStringList({"IED1LD0/Q0MMXU1.A.phsA.cVal"}));
  EXPECT_TRUE(FindDataSet(*Device, "IED1LD0/LLN0.Empty")->List_DA.empty());
  // Members may name a logical device read after the data set's own.
  EXPECT_EQ(MemberReferences(*FindDataSet(*Device, "IED1LD0/MMXU.Meas")), QStringList({"IED1LD1/PTRC1.Op.general"}));
}

TEST_F(Feeder, GooseNamesOnlyFromTheDataSetsOwnNode) {
  EXPECT_EQ(FindDataSet(*Device, "IED1LD0/LLN0.Events")->GooseName, "gcb1");  // GSEControl read after every data set
  EXPECT_EQ(FindDataSet(*Device, "IED1LD0/LLN0.Measures")->GooseName, "");    // a control without a name
  EXPECT_EQ(FindDataSet(*Device, "IED1LD0/MMXU.Meas")->GooseName, "");        // gcbY stands in another node
}

TEST_F(Feeder, ANodeWithoutTypeHasNoDataObjectsNorDataSets) {
  const TIEC_LN* ggio = LN("LD0", 4);
  EXPECT_EQ(ggio->lnClass, "GGIO");
  EXPECT_TRUE(ggio->List_DO.empty());
  EXPECT_TRUE(ggio->List_DataSet.empty());
}

TEST(SclReader, GapsGiveSmallerTrees) {
  struct Case {
    const char* What;
    QByteArray Text;
    QString Name;
    size_t LDevices;
  };
  const Case cases[] = {
      {"no SCL root", "<Other><IED name='A'/><DataTypeTemplates/></Other>", "", 0},
      {"no IED", "<SCL><DataTypeTemplates/></SCL>", "", 0},
      {"no templates", "<SCL><IED name='A'><AccessPoint><Server><LDevice inst='L'/></Server></AccessPoint></IED></SCL>",
       "", 0},
      {"no access point", "<SCL><IED name='A'/><DataTypeTemplates/></SCL>", "A", 0},
      {"no server", "<SCL><IED name='A'><AccessPoint name='P'/></IED><DataTypeTemplates/></SCL>", "A", 0},
      {"names exact-case", "<SCL><ied name='A'/><DataTypeTemplates/></SCL>", "", 0},
      {"comments skipped",
       "<SCL><!--x--><IED name='A'><!--y--><AccessPoint><Server><!--z--><LDevice inst='L'/></Server></AccessPoint>"
       "</IED><DataTypeTemplates/></SCL>",
       "A", 1},
      {"missing inst reads empty",
       "<SCL><IED><AccessPoint><Server><LDevice/></Server></AccessPoint></IED><DataTypeTemplates/></SCL>", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SclText file(c.Text);
    const TIEC_Device device(file.Path);
    EXPECT_EQ(device.Name, c.Name);
    EXPECT_EQ(device.List_LDevice.size(), c.LDevices);
  }
}

TEST(SclReader, AMissingFileGivesAnEmptyDeviceAndAnIllFormedOneIsRefused) {
  const TIEC_Device missing(QStringLiteral("/nonexistent/folder/none.icd"));
  EXPECT_EQ(missing.Name, "");
  EXPECT_TRUE(missing.List_LDevice.empty());
  SclText bad("<SCL><IED name='A'></SCL>");
  EXPECT_THROW(TIEC_Device{bad.Path}, ESclError);
}

// Templates that name themselves end at the repeat; a file that fans out
// without end is refused with its name.
TEST(SclReader, HostileTemplatesEnd) {
  {
    const TIEC_Device device(Fixture("self_datype.icd"));
    const TIEC_DA* v = device.List_LDevice[0]->List_LN[0]->Find_DO("Mod")->Find_DA("v");
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->List_DA.size(), 2u);
    EXPECT_TRUE(v->List_DA[1]->List_DA.empty());
    EXPECT_EQ(v->List_DA[1]->Reference, "LOOPLD0/LLN0.Mod.v.self");
  }
  {
    const TIEC_Device device(Fixture("mutual_dotype.icd"));
    const TIEC_DO* top = device.List_LDevice[0]->List_LN[0]->Find_DO("Top");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(CountObjects(*top), 5);  // Top, a, toB, b, toA (empty)
    EXPECT_NE(top->Find_DO("toA"), nullptr);
    EXPECT_TRUE(top->Find_DO("toA")->List_DA.empty());
  }
  try {
    const TIEC_Device device(Fixture("exponential.icd"));
    ADD_FAILURE() << "the exponential file was read";
  } catch (const ESclError& e) {
    EXPECT_TRUE(e.Message().contains("exponential.icd")) << e.Message().toStdString();
  }
}

TEST(SclReader, AChainDeeperThanTheLimitIsRefused) {
  QByteArray text = "<SCL><IED name='D'><AccessPoint><Server><LDevice inst='L'><LN0 lnClass='LLN0' lnType='L'/>"
                    "</LDevice></Server></AccessPoint></IED><DataTypeTemplates><LNodeType id='L'><DO name='X' "
                    "type='X'/></LNodeType><DOType id='X'><DA name='a' bType='S' type='T0'/></DOType>";
  for (int i = 0; i < SclMaxNesting + 2; ++i)
    text += QStringLiteral("<DAType id='T%1'><BDA name='n' bType='S' type='T%2'/></DAType>").arg(i).arg(i + 1).toUtf8();
  text += "</DataTypeTemplates></SCL>";
  SclText file(text);
  EXPECT_THROW(TIEC_Device{file.Path}, ESclError);
}
