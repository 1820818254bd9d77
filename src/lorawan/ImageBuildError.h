// The refusals of the configuration image builder: an exception that carries
// the message shown to the user, and the texts of those messages.
#pragma once

#include "platform/SysUtils.h"

// Raised inside a build with the whole message to show, place included; the
// builder turns it into a failed result, so it never reaches an event handler.
class EImageBuildError : public Exception {
  using Exception::Exception;
};

// The builder's own messages, formatted with Format(). A problem found inside
// a device, a rule or ParGen.xml is prefixed with where it was found.
namespace ImageBuildTexts {
inline const QString CannotRead = "The file %s cannot be read: %s";
inline const QString MissingElement = "Element \"%s\" not found";
inline const QString InParGen = "ParGen.xml: %s";
inline const QString InDevice = "Device %d: %s";
inline const QString InUpLinkRule = "Device %d, UpLink Rule %d: %s";
inline const QString InDownLinkRule = "Device %d, DownLink Rule %d: %s";
inline const QString HexTooLong = "%s \"%s\" has more than %d hexadecimal digits";
inline const QString DecimalOutOfRange = "%s must be between 0 and 4294967295";
inline const QString NotInCodePage = "%s holds a character the device cannot store";
inline const QString Bank2TooLarge =
    "The LoRaWAN configuration needs %d bytes, more than the %d bytes of the device's configuration area";
inline const QString NoImages = "No configuration images have been built";
inline const QString NoProject = "No project is open";
inline const QString CannotWrite = "The file %s cannot be written";
}  // namespace ImageBuildTexts
