// The maker's own data that the device descriptions carry.
#pragma once

#include "common/ShellState.h"

#include <QString>

inline const QString MakerStreet = "Quay Street 7";
inline const QString MakerPostalCode = "40121";
inline const QString MakerTown = "Quillore";
inline const QString MakerCountry = "Norland";
inline const QString MakerPhone = "+00 051 0000000";
inline const QString MakerFax = "+00 051 0000001";
inline const QString MakerEmail = "support@quillore.example";
// How the maker is named in device descriptions: its web name and its name with the legal form.
inline const QString MakerWebName = "quillore.example";
inline const QString MakerLegalName = MakerName + " Ltd.";
inline const QString MakerProvince = "Quillore County";
