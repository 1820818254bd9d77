// Decoders and encoders behind the picture classes (not for other callers).
// Each checks what it is given and reports an error instead of failing hard.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A whole BMP file: its header and pixel data are checked before Qt decodes it.
bool DecodeBmp(const QByteArray& data, QImage& out, QString& error);
// JPEG through libjpeg. What a bad file gets is a failed load with the reason:
// a file that ends early or whose data libjpeg warns about is an error, not a
// grey tail; more than 100 scans, more than 2^26 pixels, or more than 4,096
// pixels per byte of file beyond the first 2^20 pixels is refused before the
// picture is decoded, so a small file can never cost much time or memory.
bool DecodeJpeg(const QByteArray& data, QImage& out, QString& error);
bool EncodeJpeg(const QImage& image, int quality, QByteArray& out, QString& error);
