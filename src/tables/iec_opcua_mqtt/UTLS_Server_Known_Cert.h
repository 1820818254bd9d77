// The list of known TLS certificates (TLS_Known_Cert.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFTLS_Server_Known_Cert : public TFTextBlockForm {
public:
  explicit TFTLS_Server_Known_Cert(TComponent* AOwner);
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
