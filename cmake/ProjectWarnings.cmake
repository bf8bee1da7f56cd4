# Warnings for the project's own code. JUCE's headers are included as system
# headers (see JuceLibrary.cmake), so they do not count against us.
# FH_WARNINGS_AS_ERRORS (on in scripts/test.sh) makes every warning of our own
# code stop the build; JUCE's modules, compiled without fh_warnings, stay as they are.
option(FH_WARNINGS_AS_ERRORS "Treat warnings in the project's own code as errors" OFF)
add_library(fh_warnings INTERFACE)
target_compile_options(fh_warnings INTERFACE -Wall -Wextra)
if(FH_WARNINGS_AS_ERRORS)
  target_compile_options(fh_warnings INTERFACE -Werror)
endif()
