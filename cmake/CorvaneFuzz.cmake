# libFuzzer targets, built with clang: one per reader of user input. Each
# runs briefly as a test on a scratch copy of its corpus (libFuzzer adds
# what it finds to the first directory it is given). The target links the
# tool's library that holds the reader.
function(corvane_fuzzer name source corpus max_length library)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${library})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  corvane_warnings(${name})
  corvane_fuzz_smoke(${name} ${corpus} ${max_length})
endfunction()

# The brief run of a fuzz target as a test, on a scratch copy of the corpus
# directory corpus/CORPUS beside it.
function(corvane_fuzz_smoke name corpus max_length)
  add_test(NAME ${name}_smoke
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${name}> -max_total_time=${CORVANE_FUZZ_SECONDS} -max_len=${max_length} -timeout=10
            ${CMAKE_CURRENT_BINARY_DIR}/${name}_scratch ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${corpus})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name}_scratch)
  set_tests_properties(${name}_smoke PROPERTIES TIMEOUT 300)
endfunction()
