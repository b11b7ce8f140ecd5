# ORV_FUZZ: the libFuzzer targets of fuzz/, with every library they use instrumented for coverage
# and built with AddressSanitizer and UndefinedBehaviorSanitizer. libFuzzer comes with clang only,
# so this build takes clang++ (-DCMAKE_CXX_COMPILER=clang++) and a build folder of its own.
option(ORV_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(ORV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ORV_FUZZ needs clang++: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(ORV_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                     -fno-omit-frame-pointer)
  add_compile_options(${ORV_FUZZ_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()
