// The face picture's JPEG bytes, embedded at build time from assets/face.jpg.
#pragma once
#include <cstddef>

extern const unsigned char FACE_JPEG[];
extern const std::size_t FACE_JPEG_SIZE;
