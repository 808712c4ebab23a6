// Decoding the face picture with libjpeg straight from memory.
#include "frontpanel/FacePicture.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <QPainter>

#include "frontpanel/FaceJpeg.h"

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; it jumps back to
// the decoding function. Warnings (corrupt data libjpeg could step over) are kept too.
struct DecodeErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool warned;
};

void RecordMessage(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<DecodeErrors*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, errors->message);
}

[[noreturn]] void ExitOnError(j_common_ptr cinfo) {
  RecordMessage(cinfo);
  std::longjmp(reinterpret_cast<DecodeErrors*>(cinfo->err)->jump, 1);
}

void NoteWarning(j_common_ptr cinfo, int level) {
  auto* errors = reinterpret_cast<DecodeErrors*>(cinfo->err);
  if (level < 0 && !errors->warned) {  // level -1 is a warning; others are trace messages
    errors->warned = true;
    RecordMessage(cinfo);
  }
}

// What a decode leaves behind; lives outside the function that calls setjmp, so nothing
// in it is undone by the jump.
struct DecodeJob {
  const uint8_t* data;
  size_t size;
  QImage image;
  DecodeErrors errors;
};

// Decodes job.data into job.image; false with job.errors.message on failure. Holds no C++
// object with a destructor of its own, so a jump out of libjpeg skips nothing.
bool Decode(DecodeJob& job) {
  jpeg_decompress_struct cinfo;
  cinfo.err = jpeg_std_error(&job.errors.manager);
  job.errors.manager.error_exit = ExitOnError;
  job.errors.manager.emit_message = NoteWarning;
  job.errors.message[0] = '\0';
  job.errors.warned = false;
  if (setjmp(job.errors.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, job.data, static_cast<unsigned long>(job.size));
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width != FACE_PICTURE_SIZE || cinfo.image_height != FACE_PICTURE_SIZE) {
    std::snprintf(job.errors.message, sizeof job.errors.message,
                  "the picture is %u x %u pixels instead of %d x %d", cinfo.image_width,
                  cinfo.image_height, FACE_PICTURE_SIZE, FACE_PICTURE_SIZE);
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_EXT_BGRX;  // the byte order of QImage::Format_RGB32
  jpeg_start_decompress(&cinfo);
  job.image = QImage(FACE_PICTURE_SIZE, FACE_PICTURE_SIZE, QImage::Format_RGB32);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = job.image.scanLine(static_cast<int>(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return !job.errors.warned;
}

}  // namespace

QImage PlainFace() {
  QImage image(FACE_PICTURE_SIZE, FACE_PICTURE_SIZE, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRectF(1, 1, FACE_PICTURE_SIZE - 2, FACE_PICTURE_SIZE - 2));
  return image;
}

FacePicture DecodeFacePicture(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) {
    return {PlainFace(), QStringLiteral("the face picture is empty")};
  }
  // Only the byte order of Format_RGB32 on a little-endian machine matches JCS_EXT_BGRX.
  static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the decoder writes BGRX bytes");
  DecodeJob job{data, size, QImage(), {}};
  if (!Decode(job)) {
    return {PlainFace(), QString::fromLocal8Bit(job.errors.message)};
  }
  return {job.image, QString()};
}

FacePicture LoadFacePicture() { return DecodeFacePicture(FACE_JPEG, FACE_JPEG_SIZE); }
