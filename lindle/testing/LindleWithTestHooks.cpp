#include "lindle/Driver.h"
#include "toolframe/testing/DiagnosticsTestHook.h"

// lindle as shipped, except that once the lex source is read it reports
// what CORVANE_TEST_DIAGNOSTICS lists: the end-to-end tests drive through
// it the outcomes that no lex source can bring about yet.
int main(int argc, char** argv)
{
    lindle::Driver driver(stdout, toolframe::testing::injectTestDiagnosticsFromEnvironment);
    return driver.main(argc, argv);
}
