// Compile-time packing of glyphs and icons drawn as ASCII art ('#' lit, '.' unlit) into the
// column-byte layouts of the font tables and icon sheets, so that the tables are constant data
// a reader can see in the source and nothing is computed at start-up.
#pragma once
#include <cstdint>

namespace glyph_art {

// A picture of H rows of exactly W characters each, row 0 on top.
template <int W, int H>
struct Art {
  const char* rows[H];
};

constexpr int RowLength(const char* row) {
  int n = 0;
  while (row[n] != '\0') ++n;
  return n;
}

// One pixel of the picture; a pixel beyond the picture's edge is unlit. A missing row, a row
// of the wrong width or a character other than '#' and '.' stops constant evaluation, so a
// malformed picture is a compile error in the table that packs it.
template <int W, int H>
constexpr bool Lit(const Art<W, H>& art, int row, int column) {
  if (row < 0 || row >= H || column < 0 || column >= W) return false;
  const char* text = art.rows[row];
  if (text == nullptr) throw "picture has too few rows";
  if (RowLength(text) != W) throw "picture row has the wrong width";
  if (text[column] != '#' && text[column] != '.') throw "picture uses a character other than # and .";
  return text[column] == '#';
}

// Column byte of page `page`: bit k is row 8 * page + k, bit 0 on top (the frame buffer's order).
template <int W, int H>
constexpr uint8_t PageByte(const Art<W, H>& art, int page, int column) {
  unsigned byte = 0;
  for (int k = 0; k < 8; ++k) {
    if (Lit(art, 8 * page + k, column)) byte |= 1u << k;
  }
  return static_cast<uint8_t>(byte);
}

// Column byte of a 5 x 7 splash glyph: bit 6 is row 0, bit 0 row 6, bit 7 always 0.
template <int W>
constexpr uint8_t SmallColumn(const Art<W, 7>& art, int /*page*/, int column) {
  unsigned byte = 0;
  for (int row = 0; row < 7; ++row) {
    if (Lit(art, row, column)) byte |= 1u << (6 - row);
  }
  return static_cast<uint8_t>(byte);
}

}  // namespace glyph_art

// Lists of packed bytes, columns left to right, for initializing the constant tables.
#define GLYPH_ART_1(F, art, page, c) F(art, page, c)
#define GLYPH_ART_2(F, art, page, c) GLYPH_ART_1(F, art, page, c), GLYPH_ART_1(F, art, page, (c) + 1)
#define GLYPH_ART_4(F, art, page, c) GLYPH_ART_2(F, art, page, c), GLYPH_ART_2(F, art, page, (c) + 2)
#define GLYPH_ART_8(F, art, page, c) GLYPH_ART_4(F, art, page, c), GLYPH_ART_4(F, art, page, (c) + 4)
#define GLYPH_ART_16(F, art, page, c) GLYPH_ART_8(F, art, page, c), GLYPH_ART_8(F, art, page, (c) + 8)
#define GLYPH_ART_32(F, art, page, c) GLYPH_ART_16(F, art, page, c), GLYPH_ART_16(F, art, page, (c) + 16)

// The 8 column bytes of one page of a picture.
#define GLYPH_ART_PAGE_8(art, page) GLYPH_ART_8(::glyph_art::PageByte, art, page, 0)
// The 22 column bytes of one page of a picture.
#define GLYPH_ART_PAGE_22(art, page)                                       \
  GLYPH_ART_16(::glyph_art::PageByte, art, page, 0),                       \
      GLYPH_ART_4(::glyph_art::PageByte, art, page, 16),                   \
      GLYPH_ART_2(::glyph_art::PageByte, art, page, 20)
// The 32 column bytes of one page of a picture.
#define GLYPH_ART_PAGE_32(art, page) GLYPH_ART_32(::glyph_art::PageByte, art, page, 0)
// The 5 column bytes of a splash glyph.
#define GLYPH_ART_SMALL_5(art)                                             \
  GLYPH_ART_4(::glyph_art::SmallColumn, art, 0, 0), GLYPH_ART_1(::glyph_art::SmallColumn, art, 0, 4)
