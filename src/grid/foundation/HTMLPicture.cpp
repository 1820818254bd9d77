#include "grid/foundation/HTMLPicture.h"

#include "platform/CanvasMetrics.h"
#include "platform/Resources.h"

#include <QFile>
#include <QIODevice>

#include <new>

namespace {

constexpr const char* ErrNoMemory = "Could not allocate memory for image";
constexpr const char* ErrNoStream = "Could not create image stream";
constexpr const char* ErrEmptyStream = "Empty image stream created";
constexpr const char* ErrInvalidFormat = "Could not load image. Invalid format";
constexpr const char* ErrNoImage = "Could not load image";

int MulDivRound(int Value, int Mul, int Div) {
  return static_cast<int>((static_cast<long long>(Value) * Mul + Div / 2) / Div);
}

// Metafiles have no decoder here: they load, but show nothing.
bool IsMetafile(const QByteArray& Data) {
  return Data.startsWith("\xD7\xCD\xC6\x9A") ||
         (Data.size() >= 44 && Data.startsWith(QByteArray("\x01\0\0\0", 4)) && Data.mid(40, 4) == " EMF");
}

// Decodes whole file bytes; raises the decoder's errors. A metafile gives null.
std::unique_ptr<TGraphic> DecodeBytes(const QByteArray& Bytes) {
  if (Bytes.isEmpty()) throw EHTMLPictureError(ErrEmptyStream);
  if (IsMetafile(Bytes)) return nullptr;
  std::unique_ptr<TGraphic> graphic = TPicture::GraphicForData(Bytes);
  if (!graphic || !graphic->LoadFromBytes(Bytes)) throw EHTMLPictureError(ErrInvalidFormat);
  if (graphic->Empty()) throw EHTMLPictureError(ErrNoImage);
  return graphic;
}

}  // namespace

// ---- Loading and saving ----

void THTMLPicture::LoadPicture() {
  FFrameXPos = FFrameYPos = FFrameWidth = FFrameHeight = 0;
  FAnimWidth = FAnimHeight = 0;
  const QByteArray bytes = IsGIF() && FrameCount() > 0 ? FrameBytes() : FData;
  std::unique_ptr<TGraphic> frame = DecodeBytes(bytes);
  FDecodedBytes = bytes;
  FFrameGraphic = std::move(frame);
  FDecoded = true;
}

void THTMLPicture::ResetAnimation() {
  FFrameCount = -1;
  FStepCount = -1;
  FNextChange = -1;
  FFrame = 1;
}

void THTMLPicture::TakeData(const QByteArray& Data) {
  ResetAnimation();
  FData = Data;
  FEmpty = false;
  try {
    LoadPicture();
  } catch (...) {
    FEmpty = true;
    FDecoded = false;
    FFrameGraphic.reset();
    throw;
  }
}

void THTMLPicture::Changed() {
  if (OnChange) OnChange(this);
}

bool THTMLPicture::LoadFromBytes(const QByteArray& Data) {
  try {
    TakeData(Data);
  } catch (const EHTMLPictureError& e) {
    return Fail(e.Message());
  }
  FError.clear();
  return true;
}

bool THTMLPicture::SaveToBytes(QByteArray& Data) const {
  Data = FData;
  return true;
}

std::unique_ptr<TGraphic> THTMLPicture::Clone() const {
  auto copy = std::make_unique<THTMLPicture>();
  copy->Assign(this);
  copy->Stretch = Stretch;
  return copy;
}

bool THTMLPicture::LoadFromFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) {
    FEmpty = true;
    return false;
  }
  try {
    TakeData(file.readAll());
  } catch (const std::exception&) {
    FEmpty = true;
    return false;
  }
  Changed();
  return true;
}

void THTMLPicture::LoadFromStream(QIODevice* Stream) {
  if (!Stream) return;
  if (!Stream->isReadable()) throw EHTMLPictureError(ErrNoStream);
  // The whole stream, wherever a reader before left its position.
  if (!Stream->isSequential()) Stream->seek(0);
  QByteArray bytes;
  try {
    bytes = Stream->readAll();
  } catch (const std::bad_alloc&) {
    throw EHTMLPictureError(ErrNoMemory);
  }
  TakeData(bytes);
  Changed();
}

void THTMLPicture::SaveToStream(QIODevice* Stream) const {
  if (Stream) Stream->write(FData);
}

void THTMLPicture::LoadFromResourceName(const QString& ResName) {
  QByteArray bytes;
  if (!LoadDataResource(ResName, bytes)) return;
  TakeData(bytes);
  Changed();
}

void THTMLPicture::LoadFromURL(const QString& Url) {
  const QString upper = Url.toUpper();
  if (upper.startsWith(QStringLiteral("RES://"))) {
    ID = Url;
    if (Url.size() > 6) LoadFromResourceName(Url.mid(6));
  } else if (upper.startsWith(QStringLiteral("FILE://"))) {
    ID = Url;
    if (Url.size() > 7) LoadFromFile(Url.mid(7));
  } else if (!Asynch) {
    FUrl = Url;
    ID = Url;
  } else if (!FBusy) {
    // There is no downloader: the picture stays empty and busy, as one whose
    // download never finishes, so later locations are ignored.
    FUrl = Url;
    FBusy = true;
  }
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
  FEmpty = true;
  FDecoded = false;
  FFrameGraphic.reset();
  FFrameCount = -1;
  FNextChange = -1;
  FStepCount = -1;
  // Back to the first frame of the old data, which those watching the frame are told.
  // That data is being replaced: should it not decode, nothing of it matters any more.
  try {
    SetFrame(1);
  } catch (const EHTMLPictureError&) {
  }
  if (!Source) {
    FData.clear();
    FDecoded = false;
    FFrameGraphic.reset();
    return;
  }
  TakeData(Source->FData);
  Changed();
}

// ---- Size and drawing ----

int THTMLPicture::Width() const { return FDecoded && FFrameGraphic ? FFrameGraphic->Width() : 0; }
int THTMLPicture::Height() const { return FDecoded && FFrameGraphic ? FFrameGraphic->Height() : 0; }

int THTMLPicture::MaxWidth() const { return FAnimWidth ? FAnimWidth : Width(); }
int THTMLPicture::MaxHeight() const { return FAnimHeight ? FAnimHeight : Height(); }

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& Rect) const {
  if (FEmpty || !FDecoded || !FFrameGraphic || FFrameGraphic->Empty()) return;
  if (Stretch) {
    Canvas.StretchDraw(Rect, *FFrameGraphic);
    return;
  }
  const int w = MulDivRound(FFrameGraphic->Width(), CanvasPixelsPerInchX(Canvas), ScreenPixelsPerInch);
  const int h = MulDivRound(FFrameGraphic->Height(), CanvasPixelsPerInchY(Canvas), ScreenPixelsPerInch);
  Canvas.StretchDraw(TRect(Rect.Left, Rect.Top, Rect.Left + w, Rect.Top + h), *FFrameGraphic);
}
