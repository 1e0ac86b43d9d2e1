#pragma once
// The handlers the main window's description binds to control events.
#include <cstdint>

namespace installer {

void onMainWindowCreated();
void onInstallDirLabelPressed(int32_t x, int32_t y, int32_t keyState);
void onInstallButtonClicked();
void onExtractionProgress(int32_t percent);
void onCloseMarkReleased(int32_t x, int32_t y, int32_t keyState);
void onPage2CloseClicked();
void onBackgroundPressed(int32_t x, int32_t y, int32_t keyState);

}  // namespace installer
