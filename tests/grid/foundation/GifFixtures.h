// Small GIF files built byte by byte: a logical screen of 4 x 3 pixels with a
// two-colour table and 1 x 1 frames, each behind a graphic control extension.
#pragma once

#include <QByteArray>

#include <vector>

namespace gif {

struct TFrameSpec {
  int Left, Top, Delay;
  bool WithControl = true;
};

inline void Word(QByteArray& b, int v) {
  b.append(char(v & 0xFF));
  b.append(char((v >> 8) & 0xFF));
}

inline QByteArray Header() {
  QByteArray b("GIF89a");
  Word(b, 4);
  Word(b, 3);
  b.append(char(0x80)).append(char(0)).append(char(0));
  b.append(QByteArray("\x00\x00\xC0\xFF\xFF\xFF", 6));
  return b;
}

inline QByteArray FrameBlock(const TFrameSpec& f) {
  QByteArray b;
  if (f.WithControl) {
    b.append(QByteArray("\x21\xF9\x04", 3)).append(char(0x09));  // transparent, disposal 1
    Word(b, f.Delay);
    b.append(char(1)).append(char(0));  // white is the transparent colour
  }
  b.append(char(0x2C));
  Word(b, f.Left);
  Word(b, f.Top);
  Word(b, 1);
  Word(b, 1);
  b.append(char(0));
  b.append(QByteArray("\x02\x02\x44\x01\x00", 5));  // one pixel of colour 0
  return b;
}

inline QByteArray Build(const std::vector<TFrameSpec>& Frames) {
  QByteArray b = Header();
  for (const TFrameSpec& f : Frames) b += FrameBlock(f);
  b.append(char(0x3B));
  return b;
}

inline QByteArray ThreeFrames() { return Build({{0, 0, 20}, {2, 1, 10}, {3, 2, 30}}); }

}  // namespace gif
