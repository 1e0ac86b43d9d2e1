#pragma once
// A small window with an extraction component whose progress event is recorded, for tests.
#include <functional>
#include <vector>

#include "frame/events.h"

namespace test_progress {

constexpr frame::WindowNumber kWindow = 0x52010078;
constexpr frame::ControlNumber kZip = 0x16010001;
// A second window whose component a test destroys.
constexpr frame::WindowNumber kOtherWindow = 0x52010079;
constexpr frame::ControlNumber kOtherZip = 0x16010002;

// The percentages the handler saw, and what it does with each (nothing by default).
extern std::vector<int32_t> percents;
extern std::function<frame::EventReply(int32_t percent)> onProgress;

// Starts the frame and loads both windows, once per process; clears the record.
void prepare();

}  // namespace test_progress
