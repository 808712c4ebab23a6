// The face picture: the embedded JPEG decodes to the face the controls are laid over, and
// anything that is not a clean 310 x 310 JPEG gives the plain face and a reason.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImageWriter>
#include <string>
#include <vector>

#include "frontpanel/FaceJpeg.h"
#include "frontpanel/FacePicture.h"

namespace {

struct Feature {
  const char* Name;
  int X, Y;
  QColor Colour;
};

// Points of the face under or beside the window's controls, with the colour each must
// have within a JPEG's tolerance.
const Feature FEATURES[] = {
    {"white ground in a corner", 4, 4, QColor(255, 255, 255)},
    {"white ground in the lower right corner", 300, 300, QColor(255, 255, 255)},
    {"black face left of the keys", 45, 240, QColor(8, 8, 10)},
    {"black face between LED and name", 156, 43, QColor(8, 8, 10)},
    {"red LED dot under Shape1", 156, 29, QColor(230, 70, 60)},
    {"light grey LCD window under Panel1", 154, 160, QColor(196, 198, 194)},
    {"grey knob under Image5", 156, 270, QColor(200, 200, 204)},
};

int Distance(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
         std::abs(a.blue() - b.blue());
}

TEST(FacePictureTest, EmbeddedPictureShowsTheFace) {
  const FacePicture face = LoadFacePicture();
  ASSERT_TRUE(face.Error.isEmpty()) << face.Error.toStdString();
  ASSERT_EQ(face.Image.size(), QSize(310, 310));
  EXPECT_EQ(face.Image.format(), QImage::Format_RGB32);
  for (const Feature& feature : FEATURES) {
    SCOPED_TRACE(feature.Name);
    EXPECT_LE(Distance(face.Image.pixelColor(feature.X, feature.Y), feature.Colour), 60)
        << face.Image.pixelColor(feature.X, feature.Y).name().toStdString();
  }
  EXPECT_NE(face.Image, PlainFace());
}

TEST(FacePictureTest, EmbeddedBytesAreABaselineJpeg) {
  ASSERT_GT(FACE_JPEG_SIZE, 4u);
  EXPECT_EQ(FACE_JPEG[0], 0xFF);
  EXPECT_EQ(FACE_JPEG[1], 0xD8);  // start of image
  EXPECT_EQ(FACE_JPEG[FACE_JPEG_SIZE - 2], 0xFF);
  EXPECT_EQ(FACE_JPEG[FACE_JPEG_SIZE - 1], 0xD9);  // end of image
  // A baseline frame header (SOF0) and no progressive one (SOF2).
  bool baseline = false;
  bool progressive = false;
  for (size_t i = 0; i + 1 < FACE_JPEG_SIZE; ++i) {
    if (FACE_JPEG[i] == 0xFF && FACE_JPEG[i + 1] == 0xC0) baseline = true;
    if (FACE_JPEG[i] == 0xFF && FACE_JPEG[i + 1] == 0xC2) progressive = true;
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(progressive);
}

std::vector<uint8_t> EmbeddedCopy() {
  return std::vector<uint8_t>(FACE_JPEG, FACE_JPEG + FACE_JPEG_SIZE);
}

std::vector<uint8_t> JpegOfSize(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  if (!writer.write(image)) {
    return {};
  }
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

TEST(FacePictureTest, UndecodablePicturesGiveThePlainFaceAndAReason) {
  struct Row {
    const char* Name;
    std::vector<uint8_t> Bytes;
  };
  std::vector<Row> rows;
  rows.push_back({"empty", {}});
  rows.push_back({"not a JPEG", std::vector<uint8_t>(4000, 0x5A)});
  std::vector<uint8_t> header = EmbeddedCopy();
  header.resize(120);
  rows.push_back({"cut inside the headers", header});
  std::vector<uint8_t> half = EmbeddedCopy();
  half.resize(half.size() / 2);
  rows.push_back({"cut in the middle of the picture", half});
  std::vector<uint8_t> marker = EmbeddedCopy();
  marker[2] = 0x00;  // the first marker's 0xFF destroyed
  rows.push_back({"first marker broken", marker});
  const std::vector<uint8_t> small = JpegOfSize(64);
  if (!small.empty()) {
    rows.push_back({"another size", small});
  }

  const QImage plain = PlainFace();
  ASSERT_EQ(plain.size(), QSize(310, 310));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Name);
    const FacePicture face =
        DecodeFacePicture(row.Bytes.empty() ? nullptr : row.Bytes.data(), row.Bytes.size());
    EXPECT_FALSE(face.Error.isEmpty());
    EXPECT_EQ(face.Image, plain);
  }
  // The plain face is a black disc on white.
  EXPECT_EQ(QColor(plain.pixel(155, 155)), QColor(Qt::black));
  EXPECT_EQ(QColor(plain.pixel(2, 2)), QColor(Qt::white));
}

}  // namespace
