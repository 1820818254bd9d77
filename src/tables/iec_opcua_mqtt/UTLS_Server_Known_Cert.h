// The TLS certificates the gateway accepts from the servers it connects to
// (TLS_Known_Cert.xml): up to ten certificates kept as text, not validated.
#pragma once

#include "common/tables/TableEditorForm.h"

class TFTLS_Server_Known_Cert : public TTableEditorForm {
public:
  explicit TFTLS_Server_Known_Cert(TComponent* AOwner);

  void Set_Lang() override;

  TPlexStringGrid* PSG;

protected:
  void Init_Tables() override;

private:
  void Init_Table();
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
