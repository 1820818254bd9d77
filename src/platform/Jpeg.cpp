// JPEG pictures through libjpeg (API 62), called directly. libjpeg reports
// errors by calling back and never returning, so each run sits behind a
// setjmp in a function that holds only plain data; its work is in a second
// function, and everything C++ lives in the callers' frames.
#include "platform/Graphics.h"

#include "platform/internal/Painting.h"

#include "platform/internal/ImageCodecs.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Pictures beyond this many pixels are refused before memory is taken for them.
constexpr qint64 kMaxJpegPixels = qint64(1) << 26;
// Even a picture of one colour needs some bits per 8 x 8 block; more pixels than
// this per byte of file is a header that lies (a few bytes declaring a huge area).
constexpr qint64 kMaxPixelsPerByte = 4096;
constexpr qint64 kPixelsAlwaysAllowed = qint64(1) << 20;
// Real progressive files have about ten scans; each scan costs a pass over the picture.
constexpr int kMaxJpegScans = 100;
// Warnings that mean damaged data: libjpeg would go on and fill the rest grey.
constexpr int kCorruptDataWarnings[] = {JWRN_JPEG_EOF,       JWRN_HIT_MARKER,        JWRN_MUST_RESYNC,
                                        JWRN_NOT_SEQUENTIAL, JWRN_BOGUS_PROGRESSION, JWRN_EXTRANEOUS_DATA,
                                        JWRN_HUFF_BAD_CODE};

struct ErrorManager {
  jpeg_error_mgr Pub;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* e = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, e->Message);
  std::longjmp(e->Jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  for (int code : kCorruptDataWarnings)
    if (cinfo->err->msg_code == code) OnError(cinfo);
}

void OnProgress(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxJpegScans) return;
  auto* e = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::snprintf(e->Message, sizeof e->Message, "JPEG picture with more than %d scans", kMaxJpegScans);
  std::longjmp(e->Jump, 1);
}

void OnOutput(j_common_ptr) {}

void InitErrors(ErrorManager& e) {
  jpeg_std_error(&e.Pub);
  e.Pub.error_exit = OnError;
  e.Pub.emit_message = OnMessage;
  e.Pub.output_message = OnOutput;
  e.Message[0] = 0;
}

void SetMessage(ErrorManager* e, const char* text) {
  std::strncpy(e->Message, text, sizeof e->Message - 1);
  e->Message[sizeof e->Message - 1] = 0;
}

void StoreRow(const jpeg_decompress_struct* cinfo, const JSAMPLE* in, QRgb* out) {
  const unsigned w = cinfo->output_width;
  if (cinfo->out_color_space == JCS_GRAYSCALE) {
    for (unsigned x = 0; x < w; ++x) out[x] = qRgb(in[x], in[x], in[x]);
  } else if (cinfo->out_color_space == JCS_CMYK) {
    // Adobe's files hold the inks inverted.
    const bool inverted = cinfo->saw_Adobe_marker;
    for (unsigned x = 0; x < w; ++x) {
      int c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
      if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
      out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
  } else {
    for (unsigned x = 0; x < w; ++x) out[x] = qRgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
  }
}

bool DecompressBody(jpeg_decompress_struct* cinfo, ErrorManager* err, const QByteArray* data, QImage* out) {
  jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data->constData()),
               static_cast<unsigned long>(data->size()));
  jpeg_read_header(cinfo, TRUE);
  if (cinfo->jpeg_color_space == JCS_GRAYSCALE)
    cinfo->out_color_space = JCS_GRAYSCALE;
  else if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK)
    cinfo->out_color_space = JCS_CMYK;
  else
    cinfo->out_color_space = JCS_RGB;
  const qint64 pixels = qint64(cinfo->image_width) * qint64(cinfo->image_height);
  const bool outOfProportion = pixels > kPixelsAlwaysAllowed && pixels > kMaxPixelsPerByte * data->size();
  if (pixels > kMaxJpegPixels || outOfProportion) {
    SetMessage(err, "JPEG picture too large");
    return false;
  }
  jpeg_start_decompress(cinfo);
  const int w = int(cinfo->output_width), h = int(cinfo->output_height);
  *out = QImage(w, h, QImage::Format_RGB32);
  if (out->isNull()) {
    SetMessage(err, "Not enough memory for the JPEG picture");
    return false;
  }
  JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                               cinfo->output_width * JDIMENSION(cinfo->output_components), 1);
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = int(cinfo->output_scanline);
    if (jpeg_read_scanlines(cinfo, row, 1) != 1) {
      SetMessage(err, "JPEG data truncated");
      return false;
    }
    StoreRow(cinfo, row[0], reinterpret_cast<QRgb*>(out->scanLine(y)));
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

bool RunDecompress(jpeg_decompress_struct* cinfo, ErrorManager* err, const QByteArray* data, QImage* out) {
  if (setjmp(err->Jump)) return false;
  return DecompressBody(cinfo, err, data, out);
}

// Compressed bytes go into a fixed buffer, then into the caller's byte array.
struct Destination {
  jpeg_destination_mgr Pub;
  QByteArray* Sink;
  JOCTET Buffer[4096];
};

void InitDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<Destination*>(cinfo->dest);
  d->Pub.next_output_byte = d->Buffer;
  d->Pub.free_in_buffer = sizeof d->Buffer;
}

boolean EmptyDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<Destination*>(cinfo->dest);
  d->Sink->append(reinterpret_cast<const char*>(d->Buffer), qsizetype(sizeof d->Buffer));
  InitDestination(cinfo);
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<Destination*>(cinfo->dest);
  d->Sink->append(reinterpret_cast<const char*>(d->Buffer), qsizetype(sizeof d->Buffer - d->Pub.free_in_buffer));
}

bool CompressBody(jpeg_compress_struct* cinfo, const QImage* img, int quality) {
  cinfo->image_width = JDIMENSION(img->width());
  cinfo->image_height = JDIMENSION(img->height());
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, TRUE);
  jpeg_start_compress(cinfo, TRUE);
  JSAMPARRAY row =
      (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, cinfo->image_width * 3, 1);
  while (cinfo->next_scanline < cinfo->image_height) {
    const auto* in = reinterpret_cast<const QRgb*>(img->constScanLine(int(cinfo->next_scanline)));
    for (JDIMENSION x = 0; x < cinfo->image_width; ++x) {
      row[0][3 * x] = JSAMPLE(qRed(in[x]));
      row[0][3 * x + 1] = JSAMPLE(qGreen(in[x]));
      row[0][3 * x + 2] = JSAMPLE(qBlue(in[x]));
    }
    jpeg_write_scanlines(cinfo, row, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

bool RunCompress(jpeg_compress_struct* cinfo, ErrorManager* err, const QImage* img, int quality) {
  if (setjmp(err->Jump)) return false;
  return CompressBody(cinfo, img, quality);
}

}  // namespace

bool DecodeJpeg(const QByteArray& data, QImage& out, QString& error) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  InitErrors(err);
  cinfo.err = &err.Pub;
  jpeg_create_decompress(&cinfo);
  jpeg_progress_mgr progress{};
  progress.progress_monitor = OnProgress;
  cinfo.progress = &progress;
  QImage image;
  const bool ok = RunDecompress(&cinfo, &err, &data, &image);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) {
    error = QString::fromLocal8Bit(err.Message);
    return false;
  }
  out = image;
  return true;
}

bool EncodeJpeg(const QImage& image, int quality, QByteArray& out, QString& error) {
  if (image.isNull()) {
    error = QStringLiteral("The picture is empty");
    return false;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct cinfo;
  ErrorManager err;
  InitErrors(err);
  cinfo.err = &err.Pub;
  jpeg_create_compress(&cinfo);
  QByteArray bytes;
  Destination dest;
  dest.Pub.init_destination = InitDestination;
  dest.Pub.empty_output_buffer = EmptyDestination;
  dest.Pub.term_destination = TermDestination;
  dest.Sink = &bytes;
  cinfo.dest = &dest.Pub;
  const bool ok = RunCompress(&cinfo, &err, &rgb, std::clamp(quality, 1, 100));
  jpeg_destroy_compress(&cinfo);
  if (!ok) {
    error = QString::fromLocal8Bit(err.Message);
    return false;
  }
  out = bytes;
  return true;
}

// ---- TJPEGImage ----

int TJPEGImage::Width() const { return FImage->width(); }
int TJPEGImage::Height() const { return FImage->height(); }
bool TJPEGImage::Empty() const { return FImage->isNull(); }
QImage TJPEGImage::PaintImage() const { return *FImage; }
void TJPEGImage::Assign(const TBitmap& bitmap) { FImage = bitmap.PaintImage().convertToFormat(QImage::Format_RGB32); }
void TJPEGImage::SetImage(const QImage& image) { FImage = image.convertToFormat(QImage::Format_RGB32); }

bool TJPEGImage::LoadFromBytes(const QByteArray& data) {
  QImage img;
  QString error;
  if (!DecodeJpeg(data, img, error)) return Fail(error);
  FImage = img;
  return true;
}

bool TJPEGImage::SaveToBytes(QByteArray& data) const {
  QString error;
  if (!EncodeJpeg(*FImage, CompressionQuality, data, error)) return Fail(error);
  return true;
}
