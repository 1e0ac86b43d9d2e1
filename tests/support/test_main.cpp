#include "tests/support/child_process.h"

int main(int argc, char** argv) { return testing_support::runTestsOrScenario(argc, argv); }
