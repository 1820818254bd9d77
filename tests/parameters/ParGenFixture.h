// A general-parameters form created as at program start, with the default
// texts and a project folder of its own.
#pragma once

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "parameters/UParGen.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class ParGenFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    ParGenFile = Dir.path() + "/ParGen.xml";
    Form = std::make_unique<TFParGen>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    ResetShellState();
  }

  void WriteFile(const QByteArray& bytes) {
    QFile f(ParGenFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  QByteArray FileBytes() const {
    QFile f(ParGenFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The form as the user sees it after "Set Communication".
  void ShowForm() { Form->Show(); }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFParGen> Form;
};
