// A picture that keeps the bytes of its file exactly as loaded (bitmap, JPEG,
// GIF, icon, PNG; a metafile decodes empty) and, for an animated GIF, shows
// one frame at a time: the decoder is given the file's header part followed by
// everything from the current frame on. Natural size is in pixels at 96 dpi.
#pragma once

#include "platform/Classes.h"
#include "platform/Graphics.h"
#include "platform/SysUtils.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

class QIODevice;

// Raised by the decoder; the texts are part of the picture's contract.
class EHTMLPictureError : public Exception {
  using Exception::Exception;
};

class THTMLPicture : public TGraphic {
public:
  THTMLPicture() = default;

  // Empties this picture, then copies another one's bytes; null only empties.
  void Assign(const THTMLPicture* Source);
  // At natural size from Rect's top-left, or into all of Rect when Stretch is on.
  void Draw(TCanvas& Canvas, const TRect& Rect) const;
  bool Empty() const override { return FEmpty; }
  int Width() const override;
  int Height() const override;
  // The decoded frame is what gets painted.
  const TGraphic* Shown() const override { return FFrameGraphic.get(); }
  // Stored data: raises nothing, false with ErrorText() when it does not decode.
  bool LoadFromBytes(const QByteArray& Data) override;
  bool SaveToBytes(QByteArray& Data) const override;
  std::unique_ptr<TGraphic> Clone() const override;

  // Never raises: a missing or undecodable file leaves the picture empty.
  bool LoadFromFile(const QString& FileName);
  // Raises EHTMLPictureError when the bytes do not decode; null does nothing.
  void LoadFromStream(QIODevice* Stream);
  void SaveToStream(QIODevice* Stream) const;
  // A compiled-in data resource of that name; nothing when there is none.
  void LoadFromResourceName(const QString& ResName);
  // "RES://name", "FILE://path" (prefixes in any case) load; any other
  // location only records itself, the picture stays empty.
  void LoadFromURL(const QString& Url);

  bool IsGIF() const;
  int FrameCount();
  // Delay of frame I (from 1) in hundredths of a second; -1 when there is none.
  int GetFrameTime(int I);
  int MaxWidth() const;
  int MaxHeight() const;
  int Frame() const { return FFrame; }
  void SetFrame(int Value);
  void FrameNext();
  void FramePrev();
  // One animation tick (10 hundredths of a second); true when the frame changed.
  // Never raises: a frame that does not decode keeps the one shown.
  bool Step();

  uint16_t FrameXPos() const { return FFrameXPos; }
  uint16_t FrameYPos() const { return FFrameYPos; }
  bool FrameTransparent() const { return FTransparent; }
  int FrameDisposal() const { return FDisposal; }
  const QByteArray& Data() const { return FData; }
  // What the decoder was last given (the header part and the frames shown).
  const QByteArray& DecodedBytes() const { return FDecodedBytes; }

  bool Stretch = false;
  QString ID;
  bool IsDB = false;
  bool Asynch = true;
  bool Busy() const { return FBusy; }
  QString RemoteUrl() const { return FUrl; }
  TNotifyEvent OnChange;
  TNotifyEvent OnFrameChange;

private:
  void TakeData(const QByteArray& Data);
  void ResetAnimation();
  // Decodes the current frame; raises EHTMLPictureError.
  void LoadPicture();
  QByteArray FrameBytes();
  bool IsFrameStart(qsizetype P) const;
  uint16_t Word(qsizetype P) const;
  void Changed();

  QByteArray FData;
  QByteArray FDecodedBytes;
  std::unique_ptr<TGraphic> FFrameGraphic;  // the decoded frame; null for a metafile
  bool FEmpty = true;
  bool FDecoded = false;
  QString FUrl;
  bool FBusy = false;
  int FFrame = 1;
  int FFrameCount = -1;
  uint16_t FFrameXPos = 0, FFrameYPos = 0, FFrameWidth = 0, FFrameHeight = 0;
  bool FTransparent = false;
  int FDisposal = 0;
  uint16_t FAnimWidth = 0, FAnimHeight = 0;
  int FNextChange = -1;
  int FStepCount = -1;
};
