// Little-endian writing into the device images: numbers of a given width, raw
// bytes and fixed text fields, all placed by offset into a byte buffer.
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>

// Stores the low `width` bytes of `value`, least significant byte first.
inline void PutLE(uint8_t* at, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) at[i] = uint8_t(value >> (8 * i));
}

inline uint32_t GetLE(const uint8_t* at, int width) {
  uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | at[i];
  return v;
}

// The device stores a character as one byte, its code (ISO 8859-1); builders
// refuse a text with a character beyond it before it reaches a field.
inline bool FitsDeviceCodePage(const QString& text) {
  for (QChar c : text)
    if (c.unicode() > 0xFF) return false;
  return true;
}

// One byte per character (its low 8 bits), the rest of the field NUL; a text
// longer than the field is cut to it.
inline void PutTextField(uint8_t* at, int size, const QString& text) {
  const int n = qMin(int(text.size()), size);
  for (int i = 0; i < n; ++i) at[i] = uint8_t(text[i].unicode());
  for (int i = n; i < size; ++i) at[i] = 0;
}

// Appends to an image from a position onwards, growing it as needed.
class TImageWriter {
public:
  TImageWriter(QByteArray& image, int position) : FImage(image), FPos(position) {}

  void U8(uint32_t v) { Put(v, 1); }
  void U16(uint32_t v) { Put(v, 2); }
  void U32(uint32_t v) { Put(v, 4); }
  void Bytes(const uint8_t* data, int count) {
    Reserve(count);
    std::copy(data, data + count, Here());
    FPos += count;
  }
  int Position() const { return FPos; }

private:
  void Put(uint32_t v, int width) {
    Reserve(width);
    PutLE(Here(), v, width);
    FPos += width;
  }
  void Reserve(int count) {
    if (FImage.size() < FPos + count) FImage.resize(FPos + count);
  }
  uint8_t* Here() { return reinterpret_cast<uint8_t*>(FImage.data()) + FPos; }

  QByteArray& FImage;
  int FPos;
};
