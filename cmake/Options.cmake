# One INTERFACE target carries the language standard and the warning flags; every target links it.
add_library(orvane_options INTERFACE)
target_compile_features(orvane_options INTERFACE cxx_std_20)
target_compile_options(orvane_options INTERFACE
    -Wall -Wextra -Werror -Wnon-virtual-dtor -Woverloaded-virtual)

if(ORVANE_SANITIZE)
    target_compile_options(orvane_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(orvane_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing: every library is instrumented for coverage and the sanitizers; the fuzz targets
# alone link libFuzzer's main.
if(ORVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ORVANE_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
    endif()
    target_compile_options(orvane_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(orvane_options INTERFACE -fsanitize=address,undefined)
endif()
