// Golden LCD frames under tests/golden/: text pictures compared exactly. A missing or
// different golden fails the test. Setting TQ4_UPDATE_GOLDEN=1 rewrites the files instead,
// an explicit step whose diff a person reviews.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// Compares the frame with tests/golden/<name>.txt.
::testing::AssertionResult MatchesGolden(const std::string& name, const uint8_t* frameBuffer);

// The frame the instrument state holds now.
::testing::AssertionResult CurrentFrameMatchesGolden(const std::string& name);
