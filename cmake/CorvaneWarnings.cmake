# Warnings are on everywhere; they are errors in our own scripts and CI
# (CORVANE_WERROR), never in a user's build, where another compiler's new
# warning must not stop the build. Third-party headers come in as system
# headers.
option(CORVANE_WERROR "Treat warnings as errors" OFF)
set(CORVANE_WERROR_FLAG)
if(CORVANE_WERROR)
  set(CORVANE_WERROR_FLAG -Werror)
endif()

function(corvane_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wformat=2 -Wno-format-y2k -Wimplicit-fallthrough ${CORVANE_WERROR_FLAG})
endfunction()

# A test executable beside its component, discovered by CTest.
function(corvane_test name)
  add_executable(${name} ${ARGN})
  corvane_warnings(${name})
  target_link_libraries(${name} PRIVATE toolframe_test_main toolframe_testing GTest::gtest GTest::gmock)
  # Parameterised tests are named by their generators; the bytes of a
  # parameter would make names change with every build.
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
