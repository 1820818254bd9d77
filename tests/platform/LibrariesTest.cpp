// Libraries loaded by module name: the program folder before the system's
// folders, symbols looked up by name, and nothing found where nothing is.
#include "platform/Files.h"
#include "platform/Libraries.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString StandIn = QStringLiteral(QUILLORE_TOOLS_DIR "/opcua_search/libOPC_UA_Search.so");
const QString PartialStandIn = QStringLiteral(QUILLORE_TOOLS_DIR "/opcua_search_partial/libOPC_UA_Search.so");

class Libraries : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    SetProgramFolderOverride(Folder.path());
  }
  void TearDown() override { SetProgramFolderOverride(QString()); }
  void Install(const QString& From) { ASSERT_TRUE(QFile::copy(From, Folder.path() + "/libOPC_UA_Search.so")); }

  QTemporaryDir Folder;
};

}  // namespace

TEST_F(Libraries, TheModuleNameBecomesThePlatformsFileName) {
  EXPECT_EQ(LibraryFileName("OPC_UA_Search"), "libOPC_UA_Search.so");
}

TEST_F(Libraries, ALibraryInTheProgramFolderIsLoadedAndItsSymbolsFound) {
  Install(StandIn);
  HMODULE module = LoadLibrary("OPC_UA_Search");
  ASSERT_NE(module, nullptr);
  EXPECT_NE(GetProcAddress(module, "opcua_client_begin"), nullptr);
  EXPECT_NE(GetProcAddress(module, "opcua_return_variable"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "opcua_no_such_entry"), nullptr);
  EXPECT_EQ(GetProcAddress(module, nullptr), nullptr);
  EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(Libraries, AMissingSymbolIsNullAndTheModuleStillFreed) {
  Install(PartialStandIn);
  HMODULE module = LoadLibrary("OPC_UA_Search");
  ASSERT_NE(module, nullptr);
  EXPECT_NE(GetProcAddress(module, "opcua_client_begin"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "opcua_return_variable"), nullptr);
  EXPECT_TRUE(FreeLibrary(module));
}

TEST_F(Libraries, NoLibraryAnywhereGivesNoModule) {
  EXPECT_EQ(LoadLibrary("OPC_UA_Search"), nullptr);
  EXPECT_EQ(LoadLibrary(""), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "opcua_client_begin"), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
  // A file of that name that is no library is not loaded either.
  QFile junk(Folder.path() + "/libOPC_UA_Search.so");
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a library");
  junk.close();
  EXPECT_EQ(LoadLibrary("OPC_UA_Search"), nullptr);
}
