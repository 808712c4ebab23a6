// The instrument's face picture: a 310 x 310 baseline JPEG embedded in the executable,
// decoded with libjpeg at start-up.
#pragma once
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>

constexpr int FACE_PICTURE_SIZE = 310;

struct FacePicture {
  QImage Image;   // always FACE_PICTURE_SIZE square, Format_RGB32
  QString Error;  // empty when the JPEG was decoded; otherwise why the plain face is shown
};

// Decodes a JPEG held in memory. Anything that is not a clean 310 x 310 picture (corrupt
// or truncated data, a libjpeg warning, another size) gives the plain face and the reason.
FacePicture DecodeFacePicture(const uint8_t* data, size_t size);

// The embedded face picture, decoded.
FacePicture LoadFacePicture();

// A plain face to show in place of a picture that cannot be decoded: a black disc on white.
QImage PlainFace();
