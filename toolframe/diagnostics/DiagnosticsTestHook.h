#pragma once

#include "toolframe/diagnostics/Diagnostics.h"

namespace toolframe {

// The environment variable through which tests make a run report
// diagnostics that its input cannot yet produce.
constexpr const char* kDiagnosticsTestHookVariable = "CORVANE_TEST_DIAGNOSTICS";

// Reports what spec lists, in order: comma-separated items "N", "N@L"
// (at line L) and either with "*C" (C times), each with the text argument
// "hook" and the integer argument 0; the item "oom" exhausts memory. An
// item that does not parse is skipped.
void injectTestDiagnostics(Diagnostics& diagnostics, const char* spec);

// The same with the variable's value, when it is set.
void injectTestDiagnosticsFromEnvironment(Diagnostics& diagnostics);

} // namespace toolframe
