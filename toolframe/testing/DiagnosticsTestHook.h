#pragma once

#include "toolframe/diagnostics/Diagnostics.h"

// Tests make a run report diagnostics that its input cannot yet produce,
// through a test build of the program that calls
// injectTestDiagnosticsFromEnvironment at the point of the run its tool
// offers for it. The shipped programs link none of this.
namespace toolframe::testing {

// The environment variable that lists what to report.
constexpr const char* kDiagnosticsTestHookVariable = "CORVANE_TEST_DIAGNOSTICS";

// Reports what items lists, in order, separated by commas: "N", "N@L"
// (at line L) and either with "*C" (C times), each with the text argument
// "hook" and the integer argument 0; the item "oom" exhausts memory. An
// item that does not parse is skipped.
void injectTestDiagnostics(Diagnostics& diagnostics, const char* items);

// The same with the variable's value, when it is set.
void injectTestDiagnosticsFromEnvironment(Diagnostics& diagnostics);

} // namespace toolframe::testing
