// File and folder helpers: the program folder, folder creation, stable
// listings, whole-or-nothing writes and text files with byte-order marks.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The executable's folder, without a trailing separator. Tests may point it elsewhere.
QString GetProgramFolder();
void SetProgramFolderOverride(const QString& folder);  // empty restores the real one

bool FileExists(const QString& path);
bool DirectoryExists(const QString& path);
bool CreateDir(const QString& path);         // one level
bool ForceDirectories(const QString& path);  // with parents
bool DeleteFile(const QString& path);
bool CopyFileReplace(const QString& from, const QString& to);
QString ExtractFileName(const QString& path);
QString ExtractFilePath(const QString& path);  // with trailing separator
QString ExtractFileExt(const QString& path);   // with the dot
QString ChangeFileExt(const QString& path, const QString& ext);
QString IncludeTrailingPathDelimiter(const QString& path);
QString ExcludeTrailingPathDelimiter(const QString& path);
constexpr char PathDelim = '/';

// Entries of a folder, sorted by name (byte order), without "." and "..".
QStringList ListFiles(const QString& folder, const QString& pattern = "*");
QStringList ListFolders(const QString& folder);

// Writes the whole file through a temporary file and a rename; on any failure
// the old file stays as it was and false is returned.
bool WriteFileAtomic(const QString& path, const QByteArray& data);
bool ReadFileBytes(const QString& path, QByteArray& data, qint64 maxSize = qint64(1) << 30);

enum class TTextEncoding { Utf8Bom, Utf16LE, Utf16BE, Ansi };
// Reads a text file: UTF-8, UTF-16 LE or BE by their byte-order marks; without
// one, valid UTF-8 is read as UTF-8 (unless `utf8WithoutBom` is false) and
// anything else as CP1252.
QString ReadTextFile(const QString& path, bool* ok = nullptr, TTextEncoding* encoding = nullptr,
                     bool utf8WithoutBom = true);
QString DecodeText(const QByteArray& bytes, TTextEncoding* encoding = nullptr, bool utf8WithoutBom = true);
