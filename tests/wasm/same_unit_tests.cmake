# The WebAssembly build has every unit test the native build has: their lists of tests are the
# same, so that no test leaves the 32-bit build unnoticed (a test compiled out there, a file
# one build does not take). Run by ctest with NATIVE (the native unit_tests), NODE and WASM
# (unit_tests.js).
execute_process(COMMAND ${NATIVE} --gtest_list_tests OUTPUT_VARIABLE native RESULT_VARIABLE native_status)
execute_process(COMMAND ${NODE} --no-experimental-fetch ${WASM} --gtest_list_tests
                OUTPUT_VARIABLE wasm RESULT_VARIABLE wasm_status)
if(NOT native_status EQUAL 0 OR NOT wasm_status EQUAL 0)
  message(FATAL_ERROR "cannot list the tests: native ${native_status}, WebAssembly ${wasm_status}")
endif()
# Only the tests: gtest_main names where it was built from, which differs.
string(REGEX REPLACE "Running main\\(\\) from [^\n]*\n" "" native "${native}")
string(REGEX REPLACE "Running main\\(\\) from [^\n]*\n" "" wasm "${wasm}")
if(NOT native STREQUAL wasm)
  string(REPLACE "\n" ";" native_lines "${native}")
  string(REPLACE "\n" ";" wasm_lines "${wasm}")
  set(only_native ${native_lines})
  list(REMOVE_ITEM only_native ${wasm_lines})
  set(only_wasm ${wasm_lines})
  list(REMOVE_ITEM only_wasm ${native_lines})
  message(FATAL_ERROR "the unit tests differ\nonly native: ${only_native}\nonly WebAssembly: ${only_wasm}")
endif()
string(REGEX MATCHALL "\n  " listed "${native}")
list(LENGTH listed count)
message(STATUS "both builds list the same ${count} unit tests")
