// Checks of single cell texts for the SNMP and KNX editors' validation chains.
// Each returns a small code that the calling editor maps to one of its messages.
#pragma once

#include <QString>

// An SNMP object identifier in dotted decimal form: 0 valid, otherwise the
// first rule broken: 1 longer than 128 characters, 2 a character other than a
// digit or "." (an empty text holds no number and gets this code too), 3 starts
// with ".", 4 ends with ".", 5 two dots in a row, 6 a number above $FFFFFFFF.
int CheckOid(const QString& text);

// An SNMPv3 user name (1 to 15 characters) or pass phrase (8 to 15) of ASCII
// letters and digits: 0 valid, 1 too long, 2 too short, 3 another character.
int CheckSnmpV3Text(const QString& text, bool isUserName);

// 1 "Auth NoPriv", 3 "Auth Priv" (any case, blanks around), -1 empty, 0 other.
// Bit 0 of a code of 0 or more means authentication, bit 1 privacy.
int SnmpSecurityLevelCode(const QString& text);

// A KNX group address (main/middle/sub, main/sub or a plain number) or an
// individual address (area.line.device or a plain number): 0 valid, 1 invalid.
// `zeroAllowed` lets the individual address 0.0.0 through.
int CheckKnxAddress(const QString& text, bool groupAddress, bool zeroAllowed);

bool HasNoDot(const QString& text);
