// Conversions between frame buffers and their text pictures.
#include "scripted/FrameText.h"

#include <cstring>
#include <sstream>
#include <vector>

#include "lcd/LcdGeometry.h"

std::string FrameToText(const uint8_t* frameBuffer) {
  std::string text;
  text.reserve((LCD_WIDTH + 1) * LCD_HEIGHT);
  for (int y = 0; y < LCD_HEIGHT; ++y) {
    for (int x = 0; x < LCD_WIDTH; ++x) {
      const bool lit = (frameBuffer[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1;
      text += lit ? FRAME_TEXT_LIT : FRAME_TEXT_UNLIT;
    }
    text += '\n';
  }
  return text;
}

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

bool TextToFrame(const std::string& text, uint8_t* frameBuffer, std::string* error) {
  const std::vector<std::string> lines = Lines(text);
  if (lines.size() != LCD_HEIGHT) {
    if (error) *error = "expected 64 lines, found " + std::to_string(lines.size());
    return false;
  }
  std::memset(frameBuffer, 0, FRAME_BUFFER_SIZE);
  for (int y = 0; y < LCD_HEIGHT; ++y) {
    const std::string& line = lines[y];
    if (line.size() != LCD_WIDTH) {
      if (error) {
        *error = "line " + std::to_string(y + 1) + ": expected 114 characters, found " +
                 std::to_string(line.size());
      }
      return false;
    }
    for (int x = 0; x < LCD_WIDTH; ++x) {
      if (line[x] == FRAME_TEXT_LIT) {
        frameBuffer[(y / 8) * LCD_WIDTH + x] |= static_cast<uint8_t>(1u << (y % 8));
      } else if (line[x] != FRAME_TEXT_UNLIT) {
        if (error) {
          *error = "line " + std::to_string(y + 1) + ", column " + std::to_string(x + 1) +
                   ": expected '#' or '.'";
        }
        return false;
      }
    }
  }
  return true;
}

std::string FrameDiff(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> want = Lines(expected);
  const std::vector<std::string> got = Lines(actual);
  const size_t rows = want.size() > got.size() ? want.size() : got.size();
  std::ostringstream out;
  out << "row  " << std::string(LCD_WIDTH - 8, ' ') << "expected | actual\n";
  for (size_t y = 0; y < rows; ++y) {
    const std::string& a = y < want.size() ? want[y] : std::string();
    const std::string& b = y < got.size() ? got[y] : std::string();
    out << (a == b ? "   " : ">> ");
    out.width(2);
    out << y << ' ' << a;
    if (a.size() < LCD_WIDTH) out << std::string(LCD_WIDTH - a.size(), ' ');
    out << " | " << b << '\n';
  }
  return out.str();
}
