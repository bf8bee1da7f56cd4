# Warnings for the project's own code. JUCE's headers are included as system
# headers (see JuceLibrary.cmake), so they do not count against us.
add_library(fh_warnings INTERFACE)
target_compile_options(fh_warnings INTERFACE -Wall -Wextra)
