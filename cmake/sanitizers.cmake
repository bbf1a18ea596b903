# Checking builds, each in a build folder of its own:
#   BRENQUILL_SANITIZE  every target with AddressSanitizer and UndefinedBehaviorSanitizer; any
#                       finding ends the process with a failure, so a test that trips one fails.
#   BRENQUILL_FUZZ      the libFuzzer targets of fuzz/ (needs clang); everything else of the build
#                       is instrumented for them too, so the fuzzers see into the framework.
#   BRENQUILL_BENCH     the start-up, memory and response benchmarks of bench/.
# Included at the end of the top CMakeLists.txt, once brenquill_options exists.

option(BRENQUILL_SANITIZE "Build everything with AddressSanitizer and UBSan" OFF)
option(BRENQUILL_FUZZ "Build the libFuzzer targets (clang only)" OFF)
option(BRENQUILL_BENCH "Build the benchmarks" OFF)

# Frame pointers keep the sanitizers' stack traces whole without the slow unwinder.
set(BRENQUILL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                              -fno-omit-frame-pointer)

if(BRENQUILL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "BRENQUILL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # The coverage instrumentation goes into every object; only the fuzz targets link libFuzzer's
    # own main (fuzz/CMakeLists.txt).
    target_compile_options(brenquill_options INTERFACE -fsanitize=fuzzer-no-link
                                                       ${BRENQUILL_SANITIZER_FLAGS})
    target_link_options(brenquill_options INTERFACE -fsanitize=address,undefined)
elseif(BRENQUILL_SANITIZE)
    target_compile_options(brenquill_options INTERFACE ${BRENQUILL_SANITIZER_FLAGS})
    target_link_options(brenquill_options INTERFACE -fsanitize=address,undefined)
endif()

# Replaying every fuzz input that ever crashed, and the seeds, is a test in every build with tests.
if(BRENQUILL_TESTS OR BRENQUILL_FUZZ)
    add_subdirectory(fuzz)
endif()
if(BRENQUILL_BENCH)
    add_subdirectory(bench)
endif()
