#include "brannock/Driver.h"
#include "toolframe/testing/DiagnosticsTestHook.h"

// brannock as shipped, except that once the rules are read it reports what
// CORVANE_TEST_DIAGNOSTICS lists: the end-to-end tests drive through it the
// outcomes that no grammar can bring about yet.
int main(int argc, char** argv)
{
    brannock::Driver driver(stdout, toolframe::testing::injectTestDiagnosticsFromEnvironment);
    return driver.main(argc, argv);
}
