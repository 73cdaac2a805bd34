# Checks that every stage includes only what lies upstream of it:
#   cmake -DROOT=<tree> -P CheckLayering.cmake
# Each rule names a folder and the include paths its files may use (as
# regular expressions over the quoted include path). Files of a folder
# without a rule (tests, testing, fuzz, a tool's root) may include anything.
# The first matching rule wins, so deeper folders come first.

if(NOT DEFINED ROOT)
  message(FATAL_ERROR "ROOT not set")
endif()

set(frame_below_run "toolframe/(emit|output|diagnostics|platform)/")
# What every Brannock stage reads: the shared frame except its driver, the
# abstract emitter, and the tool's options and message numbers.
set(brannock_vocabulary "toolframe/(source|packing|emit|output|diagnostics|platform|run/ToolOptions.h|run/SwitchTable.h)|brannock/(emit/Emitter.h|ToolOptions.h|MessageNumbers.h)$")

# The same for Lindle, which never reads Brannock.
set(lindle_vocabulary "toolframe/(source|packing|emit|output|diagnostics|platform|run/ToolOptions.h|run/SwitchTable.h)|lindle/(emit/ScannerEmitter.h|ToolOptions.h|MessageNumbers.h)$")

set(rules
  "toolframe/platform/|toolframe/platform/"
  "toolframe/diagnostics/|toolframe/(diagnostics|platform)/"
  "toolframe/output/|toolframe/(output|diagnostics|platform)/"
  "toolframe/emit/|${frame_below_run}"
  "toolframe/source/|toolframe/(source|output|diagnostics|platform)/"
  "toolframe/packing/|toolframe/packing/"
  "toolframe/run/|toolframe/(run|emit|output|diagnostics|platform)/"
  "brannock/grammar/|${brannock_vocabulary}|brannock/grammar/"
  "brannock/reader/|${brannock_vocabulary}|brannock/(grammar|reader)/"
  "brannock/lr/|${brannock_vocabulary}|brannock/(grammar|lr)/"
  "brannock/tables/|${brannock_vocabulary}|brannock/(grammar|lr|tables)/"
  "brannock/emit/|${brannock_vocabulary}|brannock/(grammar|lr|tables|emit)/"
  "lindle/reader/|${lindle_vocabulary}|lindle/reader/"
  "lindle/regex/|${lindle_vocabulary}|lindle/(reader|regex)/"
  "lindle/nfa/|${lindle_vocabulary}|lindle/(reader|regex|nfa)/"
  "lindle/dfa/|${lindle_vocabulary}|lindle/(reader|regex|nfa|dfa)/"
  "lindle/tables/|${lindle_vocabulary}|lindle/(reader|regex|nfa|dfa|tables)/"
  "lindle/report/|${lindle_vocabulary}|lindle/(reader|regex|nfa|dfa|report)/"
  "lindle/emit/|${lindle_vocabulary}|lindle/(dfa|nfa|tables|emit)/"
  "lindle/|toolframe/|lindle/"
  # The workbench shares only the platform layer of the frame, and never
  # reads the generators: it knows them by their command lines.
  "corvide/core/platform/|toolframe/platform/|corvide/core/platform/"
  "corvide/core/text/|toolframe/platform/|corvide/core/text/"
  "corvide/core/profile/|toolframe/platform/|corvide/core/(platform|text|profile)/"
  "corvide/core/options/|toolframe/platform/|corvide/core/(profile|options)/"
  "corvide/core/settings/|toolframe/platform/|corvide/core/(platform|text|profile|options|settings)/"
  "corvide/core/project/|toolframe/platform/|corvide/core/(platform|text|profile|options|project)/"
  "corvide/core/output/|toolframe/platform/|corvide/core/(platform|text|output)/"
  "corvide/core/build/|toolframe/platform/|corvide/core/(platform|text|profile|options|project|output|build)/"
  # The spawner is a program of its own that knows nothing of the workbench;
  # its tests run it as the workbench does.
  "corvide/spawner/tests/|toolframe/|corvide/"
  "corvide/spawner/|corvide/spawner/"
  "corvide/cli/|toolframe/platform/|corvide/(core|cli)/"
)

set(violations 0)
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/toolframe/*.h ${ROOT}/toolframe/*.cpp
  ${ROOT}/brannock/*.h ${ROOT}/brannock/*.cpp ${ROOT}/lindle/*.h ${ROOT}/lindle/*.cpp
  ${ROOT}/corvide/*.h ${ROOT}/corvide/*.cpp)
foreach(source ${sources})
  set(allowed "")
  foreach(rule ${rules})
    string(FIND "${rule}" "|" bar)
    string(SUBSTRING "${rule}" 0 ${bar} folder)
    math(EXPR after "${bar} + 1")
    string(SUBSTRING "${rule}" ${after} -1 pattern)
    string(FIND "${source}" "${folder}" at)
    if(at EQUAL 0)
      set(allowed "${pattern}")
      break()
    endif()
  endforeach()
  if(allowed STREQUAL "")
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} includes REGEX "^#include \"(toolframe|brannock|lindle|corvide)/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" path "${line}")
    if(NOT path MATCHES "^(${allowed})")
      message("${source}: includes ${path}, which is not upstream of it")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) against the layering")
endif()
