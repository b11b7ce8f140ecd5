# ORV_SANITIZE: every target compiled and linked with AddressSanitizer and UndefinedBehaviorSanitizer.
# Any finding ends the program with an error (no recovery), so one finding fails the test that
# met it.
option(ORV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ORV_SANITIZE)
  set(ORV_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)
  add_compile_options(${ORV_SANITIZER_FLAGS})
  add_link_options(${ORV_SANITIZER_FLAGS})
endif()
