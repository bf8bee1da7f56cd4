# JUCE's modules compiled once, into two static libraries:
#   fh_juce_core  the modules without GUI (core, events, data structures, audio
#                 basics and formats): all that the layers below the processor link;
#   fh_juce_gui   the GUI and plug-in modules on top of it, for the processor,
#                 the UI and the shell.
# Each module's source is compiled in exactly one of the two. JUCE's module
# targets would bring every dependency's source along, so the libraries take
# each module's source, definitions and system libraries themselves.
# Debian's JUCE builds against the system image and audio codec libraries.
pkg_check_modules(JUCE_SYSTEM_LIBS REQUIRED IMPORTED_TARGET
  libpng libjpeg flac vorbis vorbisfile vorbisenc ogg zlib)

set(FH_JUCE_CORE_MODULES juce_core juce_events juce_data_structures juce_audio_basics juce_audio_formats)
set(FH_JUCE_GUI_MODULES juce_graphics juce_gui_basics juce_gui_extra juce_audio_devices juce_audio_processors
  juce_audio_utils juce_opengl)

# The settings every JUCE translation unit is built with, ours and JUCE's own.
add_library(fh_juce_settings INTERFACE)
target_compile_definitions(fh_juce_settings INTERFACE
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
  JUCE_ALSA=1)
# Consumers see JUCE's headers as system headers: its own warnings are not ours.
target_include_directories(fh_juce_settings SYSTEM INTERFACE
  $<TARGET_PROPERTY:juce::juce_core,INTERFACE_INCLUDE_DIRECTORIES>)
target_compile_features(fh_juce_settings INTERFACE cxx_std_17)
target_link_libraries(fh_juce_settings INTERFACE juce::juce_recommended_config_flags)

# A static library of the given modules: their sources, their definitions and
# include paths (public) and the libraries they need, without the sources of
# other modules.
function(fh_add_juce_library target)
  set(all_modules ${FH_JUCE_CORE_MODULES} ${FH_JUCE_GUI_MODULES})
  add_library(${target} STATIC)
  foreach(module IN LISTS ARGN)
    get_target_property(sources juce::${module} INTERFACE_SOURCES)
    target_sources(${target} PRIVATE ${sources})
    target_compile_definitions(${target} PUBLIC $<TARGET_PROPERTY:juce::${module},INTERFACE_COMPILE_DEFINITIONS>)
    target_include_directories(${target} SYSTEM PUBLIC $<TARGET_PROPERTY:juce::${module},INTERFACE_INCLUDE_DIRECTORIES>)
    get_target_property(libraries juce::${module} INTERFACE_LINK_LIBRARIES)
    foreach(library IN LISTS libraries)
      string(REGEX REPLACE "^juce::" "" name "${library}")
      if(library AND NOT name IN_LIST all_modules)
        target_link_libraries(${target} PUBLIC ${library})
      endif()
    endforeach()
  endforeach()
  target_link_libraries(${target}
    PUBLIC fh_juce_settings PkgConfig::JUCE_SYSTEM_LIBS Threads::Threads ${CMAKE_DL_LIBS})
  set_target_properties(${target} PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    VISIBILITY_INLINES_HIDDEN ON
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)
endfunction()

fh_add_juce_library(fh_juce_core ${FH_JUCE_CORE_MODULES})
fh_add_juce_library(fh_juce_gui ${FH_JUCE_GUI_MODULES})
target_link_libraries(fh_juce_gui PUBLIC fh_juce_core)

# Code that must build without the GUI modules compiles against these headers
# first: each stands in for a GUI module's header and stops the build with the
# rule it breaks (see fh_target_without_gui in src/CMakeLists.txt).
set(FH_NO_GUI_HEADERS ${CMAKE_BINARY_DIR}/no-gui-headers)
foreach(module IN LISTS FH_JUCE_GUI_MODULES)
  file(CONFIGURE OUTPUT ${FH_NO_GUI_HEADERS}/${module}/${module}.h CONTENT
"#pragma once
#error \"${module} is a GUI module: the layers below the processor (platform, foundation, realtime, engine, model) build without JUCE's GUI and plug-in modules. Declare an interface in the model that the processor or the UI implements.\"
")
endforeach()
