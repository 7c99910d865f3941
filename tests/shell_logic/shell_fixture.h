// A clean shell state for each test: a recording platform in place of the
// system's, an empty registry, and everything put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "control_object.h"
#include "shell_platform.h"
#include "shell_state.h"
#include "window_description.h"

// Records what the shell asked of the platform, in order.
class RecordingPlatform : public ShellPlatform {
 public:
  std::uint32_t CurrentThreadId() override { return thread_id; }
  void ForwardExitRequest(void* owner, std::int32_t code) override {
    log.push_back("forward " + std::to_string(code));
    forwarded_to = owner;
  }
  void DestroyOwnerWindow(void*) override { log.emplace_back("destroy owner"); }
  void UninitializeOle() override { log.emplace_back("uninitialise ole"); }
  // Ending the process would end the test: it throws instead.
  [[noreturn]] void EndProcess(std::int32_t code) override {
    log.push_back("end " + std::to_string(code));
    throw ProcessEnded{code};
  }
  void DrainMessageQueue() override { log.push_back("drain at " + std::to_string(Shell().event_suppression)); }
  std::uint32_t TickCount() override { return ticks; }
  void IdleWork() override { log.emplace_back("idle work"); }

  struct ProcessEnded {
    std::int32_t code;
  };

  std::uint32_t thread_id = 1;
  std::uint32_t ticks = 0;
  void* forwarded_to = nullptr;
  std::vector<std::string> log;
};

// A control whose liveness the test decides.
class FakeControl : public ControlObject {
 public:
  using ControlObject::ControlObject;
  bool IsLive() const override { return live; }
  bool live = true;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A window description with the window's record and one record per
  // (unit number, control type) pair.
  static WindowDescription Window(std::uint32_t number,
                                  std::vector<std::pair<std::uint32_t, std::uint32_t>> controls = {});

  RecordingPlatform platform_;
  ShellState saved_;
};
