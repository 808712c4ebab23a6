// LCD frames as text pictures: 64 lines of 114 characters, '#' lit and '.' unlit.
#pragma once
#include <cstdint>
#include <string>

constexpr char FRAME_TEXT_LIT = '#';
constexpr char FRAME_TEXT_UNLIT = '.';

std::string FrameToText(const uint8_t* frameBuffer);

// Parses a text picture back into a frame buffer. Returns false (and leaves a message in
// error) when the text is not 64 lines of 114 '#' or '.' characters.
bool TextToFrame(const std::string& text, uint8_t* frameBuffer, std::string* error);

// The expected and the actual picture side by side, with the differing rows marked.
std::string FrameDiff(const std::string& expected, const std::string& actual);
