/* Records exchanged as raw memory with the OPC UA search library: the server to
   scan, one variable found, and a GUID node identifier. The library is built
   against this same header, so it stays plain C. Texts are NUL-terminated, in
   the ANSI code page, and owned by whoever filled the record. */
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The server to scan; passed by value to opcua_client_begin. */
typedef struct opcua_server_to_discover {
  const char* server_address;  /* endpoint address as entered */
  int32_t user_pass_auth_flag; /* authentication code 0..2 */
  const char* username;
  const char* password;
  const char* cert;        /* client certificate */
  const char* priv_key;    /* client private key */
  int32_t security_type;   /* security mode code 0..2 */
  int32_t security_policy; /* security policy code 0..5 */
} opcua_server_to_discover;

/* One variable found by a scan; filled by opcua_return_variable. */
typedef struct opcua_structure {
  uint16_t nameSpaceIndex;
  uint16_t identifierType; /* 0 numeric, 3 string, 4 GUID, 5 byte string */
  uint32_t numeric;
  const char* stringname;
  uint32_t stringLength;
  uint32_t guide1;
  uint16_t guide2;
  uint16_t guide3;
  uint8_t guide4[8];
  const char* byteString;
  uint32_t byteStringLength;
  const char* displayName;
  uint32_t displayNameLength;
  int32_t dataType;    /* data type code 0..14 */
  uint8_t accessLevel; /* bit 0 readable, bit 1 writable */
  uint8_t spare[3];
} opcua_structure;

/* The record form of a GUID node identifier (guide1..guide4 above). */
typedef struct TOPC_UA_Guid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
} TOPC_UA_Guid;

#ifdef __cplusplus
}
#define OPCUA_RECORD_ASSERT(condition) static_assert(condition, #condition)
#else
#define OPCUA_RECORD_ASSERT(condition) _Static_assert(condition, #condition)
#endif

/* The layout is that of a 64-bit build with natural alignment; both sides of
   the interface must agree on it byte for byte. */
OPCUA_RECORD_ASSERT(sizeof(void*) == 8);

OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, server_address) == 0);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, user_pass_auth_flag) == 8);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, username) == 16);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, password) == 24);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, cert) == 32);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, priv_key) == 40);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, security_type) == 48);
OPCUA_RECORD_ASSERT(offsetof(opcua_server_to_discover, security_policy) == 52);
OPCUA_RECORD_ASSERT(sizeof(opcua_server_to_discover) == 56);

OPCUA_RECORD_ASSERT(offsetof(opcua_structure, nameSpaceIndex) == 0);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, identifierType) == 2);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, numeric) == 4);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, stringname) == 8);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, stringLength) == 16);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, guide1) == 20);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, guide2) == 24);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, guide3) == 26);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, guide4) == 28);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, byteString) == 40);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, byteStringLength) == 48);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, displayName) == 56);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, displayNameLength) == 64);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, dataType) == 68);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, accessLevel) == 72);
OPCUA_RECORD_ASSERT(offsetof(opcua_structure, spare) == 73);
OPCUA_RECORD_ASSERT(sizeof(opcua_structure) == 80);

OPCUA_RECORD_ASSERT(offsetof(TOPC_UA_Guid, data2) == 4);
OPCUA_RECORD_ASSERT(offsetof(TOPC_UA_Guid, data3) == 6);
OPCUA_RECORD_ASSERT(offsetof(TOPC_UA_Guid, data4) == 8);
OPCUA_RECORD_ASSERT(sizeof(TOPC_UA_Guid) == 16);

#undef OPCUA_RECORD_ASSERT
