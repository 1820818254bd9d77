// Writing files that only make sense together (a pair of device images): either
// every file is replaced or none is.
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

using TFileContents = std::vector<std::pair<QString, QByteArray>>;

// Writes every file beside its target first and replaces the targets only when
// all of them were written. Answers -1, or the index of the first file that
// could not be written (the old files are then left as they were).
int WriteFilesTogether(const TFileContents& files);
