// The BACnet engineering units: the name of every unit code 0 .. 236 and the
// 23 categories the unit chooser offers them in. Fixed English names, never
// translated.
#pragma once

#include <QString>

#include <span>

inline constexpr int EngUnitCount = 237;

struct TEngUnitCategory {
  const char16_t* Name;
  std::span<const int> Codes;
};

// The unit's name; "unknown" for a code outside 0 .. 236.
QString Desc_Unit(int Num_Unit);
std::span<const TEngUnitCategory> EngUnitCategories();
