#include "ParametersStep.h"

#include "common/button/LbButton.h"
#include "parameters/UParGen.h"
#include "support/ShellTestProgram.h"

#include <QTest>

bool AcceptParameters(TFQuilloreFirmWare& w) {
  TModalResult result = mrNone;
  const bool shown = TShellTestProgram::ExpectModal(
      FParGen, [&] { w.Btn_Click(w.Btn_Prm_Gen); },
      [&] {
        QTest::mouseClick(FParGen->Btn_OK->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        result = FParGen->ModalResult();
      },
      mrCancel);
  return shown && result == mrOk;
}
