// A test fixture that starts every test from the program-start state: the instrument
// state all zero, no hook calls counted, and a fresh scripted panel attached.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "instrument/InstrumentState.h"
#include "scripted/ScriptedPanel.h"
#include "support/CountingHooks.h"

class InstrumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    State = InstrumentState{};
    ResetHookCounters();
    panel = std::make_unique<ScriptedPanel>();
    // No test may hang: whatever it schedules, the run ends after this many pumps.
    panel->SetPumpLimit(100000);
  }
  void TearDown() override {
    panel.reset();
    ResetHookCounters();
  }

  std::unique_ptr<ScriptedPanel> panel;
};
