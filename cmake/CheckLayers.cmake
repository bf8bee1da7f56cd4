# The include check: a file never includes a layer above its own.
#
#   cmake -DSOURCE_DIR=<repository> [-DFILES=<path;...>] -P cmake/CheckLayers.cmake
#
# Reads the #include lines of src/ and emulator/ (or only FILES, relative to
# SOURCE_DIR) and fails with one line per broken rule. Layers, bottom to top
# (a file includes its own layer and those below):
#
#   1 platform               src/platform/
#   2 foundation             src/foundation/
#   3 realtime               src/realtime/
#   4 engine                 src/engine/
#   5 model                  src/model/
#   6 processor              src/processor/
#   7 ui widgets             src/ui/lookandfeel/, src/ui/widgets/, src/resources/
#   8 standalone components  src/standalone/components/
#   9 ui editor              src/ui/ (the rest: editor, panels)
#  10 standalone shell       src/standalone/ (the rest)
#
# Further rules:
#  - realtime/ runs on audio threads: no JUCE, no logger (spdlog, fmt), and
#    nothing of the program's other folders (the foundation brings both).
#  - The layers below the processor build without JUCE's GUI and plug-in
#    modules; their headers are not theirs to include.
#  - The emulator shares no code with the program: it includes nothing of src/.
#
# Allowed exceptions: FH_LAYER_EXCEPTIONS below, each "file|included path
# prefix|reason".

cmake_minimum_required(VERSION 3.22)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers: SOURCE_DIR not given")
endif()

set(FH_LAYER_EXCEPTIONS
)

set(layer_names "" platform foundation realtime engine model processor "ui widgets" "standalone components" "ui editor" "standalone shell")
set(layer_order "platform < foundation < realtime < engine < model < processor < ui widgets and look and feel < standalone/components < ui editor and panels < standalone shell")
set(gui_modules juce_graphics juce_gui_basics juce_gui_extra juce_audio_devices juce_audio_processors juce_audio_utils juce_opengl)

# The layer of a path below src/ (for example "model/Kit.h"), 0 when it names none.
function(layer_of path out)
  set(rank 0)
  if(path MATCHES "^platform/")
    set(rank 1)
  elseif(path MATCHES "^foundation/")
    set(rank 2)
  elseif(path MATCHES "^realtime/")
    set(rank 3)
  elseif(path MATCHES "^engine/")
    set(rank 4)
  elseif(path MATCHES "^model/")
    set(rank 5)
  elseif(path MATCHES "^processor/")
    set(rank 6)
  elseif(path MATCHES "^(ui/lookandfeel|ui/widgets|resources)/")
    set(rank 7)
  elseif(path MATCHES "^standalone/components/")
    set(rank 8)
  elseif(path MATCHES "^ui/")
    set(rank 9)
  elseif(path MATCHES "^standalone/")
    set(rank 10)
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

if(FILES)
  set(files ${FILES})
else()
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp
    ${SOURCE_DIR}/emulator/*.h ${SOURCE_DIR}/emulator/*.cpp)
endif()

set(problems "")
set(count 0)
foreach(file IN LISTS files)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(line_rank 0)
  string(REGEX REPLACE "^src/" "" own_path "${file}")
  set(own_rank 0)
  set(in_emulator FALSE)
  if(file MATCHES "^src/")
    layer_of("${own_path}" own_rank)
  elseif(file MATCHES "^emulator/")
    set(in_emulator TRUE)
  endif()
  list(GET layer_names ${own_rank} own_name)

  foreach(line IN LISTS lines)
    string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
    set(included "${CMAKE_MATCH_1}")
    set(excepted FALSE)
    foreach(exception IN LISTS FH_LAYER_EXCEPTIONS)
      string(REPLACE "|" ";" parts "${exception}")
      list(GET parts 0 exception_file)
      list(GET parts 1 exception_prefix)
      string(FIND "${included}" "${exception_prefix}" at)
      if(file STREQUAL exception_file AND at EQUAL 0)
        set(excepted TRUE)
      endif()
    endforeach()
    if(excepted)
      continue()
    endif()
    layer_of("${included}" inc_rank)
    list(GET layer_names ${inc_rank} inc_name)

    if(in_emulator AND inc_rank GREATER 0)
      list(APPEND problems "${file}: includes \"${included}\": the emulator shares no code with the program and includes nothing of src/")
    elseif(own_rank GREATER 0 AND inc_rank GREATER own_rank)
      list(APPEND problems "${file}: includes \"${included}\": ${own_name} may not include ${inc_name}, a layer above it")
    endif()

    if(own_rank EQUAL 3 AND (included MATCHES "^(juce_|spdlog/|fmt/)" OR (inc_rank GREATER 0 AND NOT inc_rank EQUAL 3)))
      list(APPEND problems "${file}: includes <${included}>: realtime code runs on audio threads and uses neither JUCE nor the logger")
    endif()
    if(own_rank GREATER 0 AND own_rank LESS 6)
      string(REGEX MATCH "^(juce_[a-z_]+)/" _ "${included}")
      if(CMAKE_MATCH_1 AND CMAKE_MATCH_1 IN_LIST gui_modules)
        list(APPEND problems "${file}: includes <${included}>: ${own_name} builds without JUCE's GUI and plug-in modules (only the processor and above link ${CMAKE_MATCH_1})")
      endif()
    endif()
  endforeach()
  math(EXPR count "${count} + 1")
endforeach()

if(problems)
  list(LENGTH problems n)
  foreach(problem IN LISTS problems)
    message(NOTICE "${problem}")
  endforeach()
  message(NOTICE "Layers run one way, bottom to top: ${layer_order}. A file includes only its own layer and those below; what a lower layer needs from a higher one, it declares as an interface that the higher one implements.")
  message(FATAL_ERROR "Include check: ${n} include(s) break the layer rules")
endif()
message(STATUS "Include check: ${count} files follow the layer rules")
