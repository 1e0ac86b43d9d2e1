#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "frame/program.h"
#include "frame/runtime_error.h"
#include "tests/support/child_process.h"
#include "tests/support/message_boxes.h"

namespace {

// The end routine leaves one line per run in the file the parent names.
void noteEnd() {
  if (FILE* file = std::fopen(std::getenv("END_LOG"), "a")) {
    std::fputs("end\n", file);
    std::fclose(file);
  }
}

void startFrame() {
  frame::initialise({});
  frame::atProgramEnd(noteEnd);
}

}  // namespace

CHILD_SCENARIO(endOnUiThread) {
  startFrame();
  frame::endProgram(7);
}

CHILD_SCENARIO(endFromWorker) {
  startFrame();
  frame::startThread([] { frame::endProgram(5); });
  frame::runMessageLoop();
}

CHILD_SCENARIO(endTwice) {  // the end routine calls the end operation again
  frame::initialise({});
  frame::atProgramEnd([] {
    noteEnd();
    frame::endProgram(9);
  });
  frame::endProgram(3);
}

CHILD_SCENARIO(errorThenNoEndRoutine) {
  startFrame();
  frame::runtimeError(1, "数组成员引用下标超出定义范围");
}

namespace {

struct Ended {
  DWORD exitCode;
  int endRoutineRuns;
};

Ended run(const char* scenario, bool answerBox = false) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string log = std::string(folder) + "end-" + scenario + ".log";
  DeleteFileA(log.c_str());
  SetEnvironmentVariableA("END_LOG", log.c_str());
  auto child = testing_support::ChildProcess::scenario(scenario);
  if (answerBox) {
    auto box = testing_support::waitForMessageBox(child.id());
    EXPECT_TRUE(box);
    if (box) testing_support::answer(box->hwnd, IDOK);
  }
  Ended ended{child.wait().value_or(12345), 0};
  std::ifstream lines(log);
  for (std::string line; std::getline(lines, line);) ++ended.endRoutineRuns;
  return ended;
}

TEST(Ending, OnTheUiThreadRunsTheEndRoutineOnceAndExitsWithTheCode) {
  Ended ended = run("endOnUiThread");
  EXPECT_EQ(ended.exitCode, 7u);
  EXPECT_EQ(ended.endRoutineRuns, 1);
}

TEST(Ending, FromAnotherThreadIsCarriedOutByTheUiThread) {
  Ended ended = run("endFromWorker");
  EXPECT_EQ(ended.exitCode, 5u);
  EXPECT_EQ(ended.endRoutineRuns, 1);
}

TEST(Ending, TheEndRoutineRunsOnceEvenWhenItEndsTheProgramAgain) {
  Ended ended = run("endTwice");
  EXPECT_EQ(ended.endRoutineRuns, 1);
}

TEST(Ending, ARunTimeErrorExitsWithMinusOneWithoutTheEndRoutine) {
  Ended ended = run("errorThenNoEndRoutine", true);
  EXPECT_EQ(ended.exitCode, 0xFFFFFFFFu);
  EXPECT_EQ(ended.endRoutineRuns, 0);
}

}  // namespace
