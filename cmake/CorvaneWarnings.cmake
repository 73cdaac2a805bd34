# Warnings are errors in our own code; third-party headers come in as system headers.
function(corvane_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wformat=2 -Wno-format-y2k -Wimplicit-fallthrough -Werror)
endfunction()

# A test executable beside its component, discovered by CTest.
function(corvane_test name)
  add_executable(${name} ${ARGN})
  corvane_warnings(${name})
  target_link_libraries(${name} PRIVATE toolframe_test_main toolframe_testing GTest::gtest GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
