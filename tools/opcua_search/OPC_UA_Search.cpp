// Stand-in of the OPC UA search library for the tests. It speaks no OPC UA:
// opcua_client_begin writes the server record it was given to the file named
// by OPCUA_SEARCH_RECORD (fields separated by NUL bytes, the numbers in
// decimal) and answers from the file named by OPCUA_SEARCH_ANSWER: a count on
// the first line, then one variable a line, fields separated by tabs:
//   nameSpaceIndex identifierType numeric stringname guid byteString displayName dataType accessLevel
// guid is 32 hex digits (or empty), a text field "(null)" gives a null pointer,
// and texts are passed on as their bytes. Indexes without a line give zeros.
#include "common/UOpcUa_Records.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TCanned {
  opcua_structure Record{};
  std::string Texts[3];
  bool Null[3] = {};
};

// The answers live here until the library is unloaded, as the library's own
// storage would.
std::vector<TCanned> Answers;

void RecordServer(const opcua_server_to_discover& server) {
  const char* path = std::getenv("OPCUA_SEARCH_RECORD");
  if (!path) return;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const auto text = [&out](const char* value) {
    out << (value ? value : "(null)");
    out.put('\0');
  };
  text(server.server_address);
  out << server.user_pass_auth_flag;
  out.put('\0');
  text(server.username);
  text(server.password);
  text(server.cert);
  text(server.priv_key);
  out << server.security_type;
  out.put('\0');
  out << server.security_policy;
}

unsigned long Number(const std::string& field) { return std::strtoul(field.c_str(), nullptr, 0); }

void ParseGuid(const std::string& hex, opcua_structure& record) {
  if (hex.size() != 32) return;
  const auto part = [&hex](size_t from, size_t digits) { return std::strtoul(hex.substr(from, digits).c_str(), nullptr, 16); };
  record.guide1 = uint32_t(part(0, 8));
  record.guide2 = uint16_t(part(8, 4));
  record.guide3 = uint16_t(part(12, 4));
  for (size_t i = 0; i < 8; ++i) record.guide4[i] = uint8_t(part(16 + 2 * i, 2));
}

TCanned ParseLine(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  fields.resize(9);
  TCanned canned;
  opcua_structure& r = canned.Record;
  r.nameSpaceIndex = uint16_t(Number(fields[0]));
  r.identifierType = uint16_t(Number(fields[1]));
  r.numeric = uint32_t(Number(fields[2]));
  ParseGuid(fields[4], r);
  const size_t textFields[3] = {3, 5, 6};
  for (int t = 0; t < 3; ++t) {
    canned.Null[t] = fields[textFields[t]] == "(null)";
    canned.Texts[t] = canned.Null[t] ? std::string() : fields[textFields[t]];
  }
  r.dataType = int32_t(std::strtol(fields[7].c_str(), nullptr, 10));
  r.accessLevel = uint8_t(Number(fields[8]));
  return canned;
}

}  // namespace

extern "C" {

int32_t opcua_client_begin(opcua_server_to_discover server) {
  RecordServer(server);
  Answers.clear();
  const char* path = std::getenv("OPCUA_SEARCH_ANSWER");
  if (!path) return 0;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!std::getline(in, line)) return 0;
  const long count = std::strtol(line.c_str(), nullptr, 10);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Answers.push_back(ParseLine(line));
  }
  return int32_t(count);
}

#ifndef OPCUA_SEARCH_WITHOUT_RETURN
int32_t opcua_return_variable(opcua_structure* variable, int32_t index) {
  if (!variable) return -1;
  std::memset(variable, 0, sizeof *variable);
  if (index < 0 || size_t(index) >= Answers.size()) return 0;
  TCanned& canned = Answers[size_t(index)];
  *variable = canned.Record;
  const auto text = [&canned](int t) { return canned.Null[t] ? nullptr : canned.Texts[t].c_str(); };
  variable->stringname = text(0);
  variable->stringLength = uint32_t(canned.Texts[0].size());
  variable->byteString = text(1);
  variable->byteStringLength = uint32_t(canned.Texts[1].size());
  variable->displayName = text(2);
  variable->displayNameLength = uint32_t(canned.Texts[2].size());
  return 0;
}
#endif
}
