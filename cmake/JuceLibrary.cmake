# JUCE's modules compiled once into one static library that every target links.
# Debian's JUCE builds against the system image and audio codec libraries.
pkg_check_modules(JUCE_SYSTEM_LIBS REQUIRED IMPORTED_TARGET
  libpng libjpeg flac vorbis vorbisfile vorbisenc ogg zlib)

add_library(fh_juce STATIC)
target_link_libraries(fh_juce
  PRIVATE
    juce::juce_core
    juce::juce_events
    juce::juce_data_structures
    juce::juce_graphics
    juce::juce_gui_basics
    juce::juce_gui_extra
    juce::juce_audio_basics
    juce::juce_audio_devices
    juce::juce_audio_formats
    juce::juce_audio_processors
    juce::juce_audio_utils
    juce::juce_opengl
  PUBLIC
    juce::juce_recommended_config_flags
    PkgConfig::JUCE_SYSTEM_LIBS
    Threads::Threads
    ${CMAKE_DL_LIBS})

target_compile_definitions(fh_juce
  PUBLIC
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_STANDALONE_APPLICATION=1
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_PLUGINHOST_VST3=0
    JUCE_PLUGINHOST_LV2=0
    JUCE_PLUGINHOST_LADSPA=0
    JUCE_JACK=1
    JUCE_ALSA=1
  INTERFACE
    $<TARGET_PROPERTY:fh_juce,COMPILE_DEFINITIONS>)

# Consumers see JUCE's headers as system headers: its own warnings are not ours.
target_include_directories(fh_juce SYSTEM INTERFACE
  $<TARGET_PROPERTY:fh_juce,INCLUDE_DIRECTORIES>)

set_target_properties(fh_juce PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  VISIBILITY_INLINES_HIDDEN ON
  C_VISIBILITY_PRESET hidden
  CXX_VISIBILITY_PRESET hidden)
