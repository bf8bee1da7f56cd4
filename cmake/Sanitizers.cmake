# Sanitizer builds apply to every target, JUCE included, so that the whole
# process is instrumented.
if(FH_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(FH_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT FH_SANITIZE STREQUAL "")
  message(FATAL_ERROR "FH_SANITIZE must be empty, 'address' or 'thread'")
endif()
