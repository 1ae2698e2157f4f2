# One interface target gives every target of the project, tests and tools included, the
# same language standard and warnings. Warnings stop the build only under TARVEK_WERROR,
# so that a user's or a packager's newer compiler never fails on a new warning.
add_library(tarvek_options INTERFACE)
target_compile_features(tarvek_options INTERFACE cxx_std_20)
target_compile_options(tarvek_options INTERFACE -Wall -Wextra -Woverloaded-virtual -Wnon-virtual-dtor
                                                -Wold-style-cast $<$<BOOL:${TARVEK_WERROR}>:-Werror>)
target_include_directories(tarvek_options INTERFACE ${PROJECT_SOURCE_DIR})
# GCC 12 at -O3 reports overlapping copies inside std::string's own code that cannot happen
# (GCC bug 105651, mended in GCC 13): the warning says nothing about ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tarvek_options INTERFACE -Wno-restrict)
endif()
set(CMAKE_CXX_EXTENSIONS OFF)

if(TARVEK_SANITIZE)
  target_compile_options(tarvek_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=undefined)
  target_link_options(tarvek_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing build: coverage and sanitizers in everything a fuzzer reaches, not only in the
# fuzz program itself, so that libFuzzer sees inside our readers.
if(TARVEK_FUZZ)
  target_compile_options(tarvek_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                  -fno-omit-frame-pointer)
  target_link_options(tarvek_options INTERFACE -fsanitize=address,undefined)
endif()

# A library of one layer: the options above, no Qt code generators unless asked for.
function(tarvek_layer name)
  add_library(${name} STATIC)
  target_link_libraries(${name} PUBLIC tarvek_options)
endfunction()
