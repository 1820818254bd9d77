// Decoders and encoders behind the picture classes (not for other callers).
// Each checks what it is given and reports an error instead of failing hard.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A whole BMP file: its header and pixel data are checked before Qt decodes it.
bool DecodeBmp(const QByteArray& data, QImage& out, QString& error);
// JPEG through libjpeg; a file that ends early is an error, not a grey tail.
bool DecodeJpeg(const QByteArray& data, QImage& out, QString& error);
bool EncodeJpeg(const QImage& image, int quality, QByteArray& out, QString& error);
