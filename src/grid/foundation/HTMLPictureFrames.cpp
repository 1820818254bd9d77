// The frames of an animated GIF, found by their graphic control extension
// directly followed by an image descriptor. Every read is bounded by the data:
// a truncated or hostile file gives fewer frames, never a read past its end.
#include "grid/foundation/HTMLPicture.h"

namespace {
constexpr char ExtensionIntroducer = 0x21;
constexpr char ControlLabel = static_cast<char>(0xF9);
constexpr char ControlBlockSize = 4;
constexpr char ImageSeparator = 0x2C;
constexpr int TickHundredths = 10;
}  // namespace

uint16_t THTMLPicture::Word(qsizetype P) const {
  if (P < 0 || P + 1 >= FData.size()) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(FData[P]) | (static_cast<uint8_t>(FData[P + 1]) << 8));
}

bool THTMLPicture::IsFrameStart(qsizetype P) const {
  return P + 9 < FData.size() && FData[P] == ExtensionIntroducer && FData[P + 1] == ControlLabel &&
         FData[P + 2] == ControlBlockSize && FData[P + 8] == ImageSeparator;
}

bool THTMLPicture::IsGIF() const { return FData.size() >= 5 && FData.startsWith("GIF8"); }

int THTMLPicture::FrameCount() {
  if (FFrameCount != -1) return FFrameCount;
  if (!IsGIF()) return -1;
  int count = 0;
  for (qsizetype p = 0; p < FData.size(); ++p)
    if (IsFrameStart(p)) ++count;
  FFrameCount = count;
  return count;
}

int THTMLPicture::GetFrameTime(int I) {
  if (!IsGIF()) return -1;
  int result = -1;
  int c = 0;
  for (qsizetype p = 0; p < FData.size(); ++p) {
    if (!IsFrameStart(p) || ++c != I) continue;
    const auto packed = static_cast<uint8_t>(FData[p + 3]);
    result = Word(p + 4);
    FTransparent = packed & 1;
    FDisposal = (packed >> 3) & 7;
  }
  return result;
}

// The header part, then everything from the current frame's control block on.
QByteArray THTMLPicture::FrameBytes() {
  if (FData.size() >= 10) {
    FAnimWidth = Word(6);
    FAnimHeight = Word(8);
  }
  QByteArray out;
  out.reserve(FData.size());
  int c = 1;
  bool skip = false;
  for (qsizetype p = 0; p < FData.size(); ++p) {
    if (IsFrameStart(p)) {
      if (c == FFrame && p + 16 < FData.size()) {
        FFrameXPos = Word(p + 9);
        FFrameYPos = Word(p + 11);
        FFrameWidth = Word(p + 13);
        FFrameHeight = Word(p + 15);
      }
      ++c;
      skip = FFrame >= c;
    }
    if (!skip) out.append(FData[p]);
  }
  return out;
}

void THTMLPicture::SetFrame(int Value) {
  FFrame = Value;
  if (FData.isEmpty()) return;
  LoadPicture();
  if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { FFrame = FFrame < FFrameCount ? FFrame + 1 : 1; }
void THTMLPicture::FramePrev() { FFrame = FFrame > 1 ? FFrame - 1 : FFrameCount; }

bool THTMLPicture::Step() {
  if (FFrameCount < 2 || FEmpty) return false;
  if (FNextChange == -1) FNextChange = GetFrameTime(FFrame);
  bool changed = false;
  if (FStepCount * TickHundredths >= FNextChange) {
    const int shown = FFrame;
    FrameNext();
    try {
      LoadPicture();
      FNextChange += GetFrameTime(FFrame);
      changed = true;
    } catch (const std::exception&) {
      FFrame = shown;
      try {
        LoadPicture();
      } catch (const std::exception&) {
      }
    }
  }
  ++FStepCount;
  return changed;
}
