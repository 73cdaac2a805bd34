# Run around a generator by corvane_add_parser and corvane_add_scanner:
#   cmake -DMODE=keep|restore -DHEADER=<header> -DKEPT=<name> -P CorvaneKeepHeader.cmake
# keep moves the header aside before the run; restore moves it back over
# the new one when the run wrote the same header again. Only the banner's
# date and time may differ: they change with every run. Moving keeps the
# file's time to the nanosecond, so that ninja sees the header unchanged
# and leaves what includes it compiled. KEPT lies beside the header, on
# the same file system.

function(corvane_header_text file result)
  file(READ "${file}" text)
  # The banner is the file's first comment.
  string(FIND "${text}" "*/\n" banner_end)
  if(banner_end GREATER_EQUAL 0)
    string(SUBSTRING "${text}" 0 ${banner_end} banner)
    string(SUBSTRING "${text}" ${banner_end} -1 rest)
    string(REGEX REPLACE "\n\\* (Date|Time): [^\n]*" "\n* \\1:" banner "${banner}")
    set(text "${banner}${rest}")
  endif()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "keep")
  file(REMOVE "${KEPT}")
  if(EXISTS "${HEADER}")
    file(RENAME "${HEADER}" "${KEPT}")
  endif()
elseif(MODE STREQUAL "restore")
  if(EXISTS "${KEPT}" AND EXISTS "${HEADER}")
    corvane_header_text("${KEPT}" before)
    corvane_header_text("${HEADER}" after)
    if(before STREQUAL after)
      file(RENAME "${KEPT}" "${HEADER}")
    endif()
  endif()
  file(REMOVE "${KEPT}")
else()
  message(FATAL_ERROR "MODE must be keep or restore")
endif()
