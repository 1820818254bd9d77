# Fails when a source file includes a header it must not see. RULE=Layers:
# a header of a library above its own (platform <- grid <- common <-
# parameters, lorawan, tables <- app), or of a sibling at its own level.
# RULE=PlatformBoundary: outside src/platform, a header of Qt Gui or Qt
# Widgets (the module folders in QT_GUI_DIRS, separated by "|").
# Run as: cmake -DRULE=... -DSOURCE_DIR=... -DQT_GUI_DIRS="dir|dir" -P IncludeRules.cmake
cmake_minimum_required(VERSION 3.25)
set(rank_platform 0)
set(rank_grid 1)
set(rank_common 2)
set(rank_parameters 3)
set(rank_lorawan 3)
set(rank_tables 3)
set(rank_app 4)

set(gui_headers)
string(REPLACE "|" ";" QT_GUI_DIRS "${QT_GUI_DIRS}")
foreach(dir IN LISTS QT_GUI_DIRS)
  file(GLOB names LIST_DIRECTORIES false RELATIVE ${dir} ${dir}/*)
  get_filename_component(module ${dir} NAME)
  foreach(name IN LISTS names)
    list(APPEND gui_headers ${name} ${module}/${name})
  endforeach()
  list(APPEND gui_headers ${module})
endforeach()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
set(faults 0)
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder ${file})
  file(STRINGS ${SOURCE_DIR}/src/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(RULE STREQUAL "Layers" AND line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
      set(used ${CMAKE_MATCH_1})
      if(DEFINED rank_${used} AND DEFINED rank_${folder} AND NOT used STREQUAL folder
         AND NOT rank_${used} LESS rank_${folder})
        message(SEND_ERROR "src/${file}: ${folder} may not include ${used}: ${line}")
        math(EXPR faults "${faults} + 1")
      endif()
    elseif(RULE STREQUAL "PlatformBoundary" AND line MATCHES "#[ \t]*include[ \t]*<([^>]+)>"
           AND NOT folder STREQUAL "platform")
      if(CMAKE_MATCH_1 IN_LIST gui_headers)
        message(SEND_ERROR "src/${file}: Qt Gui/Widgets header outside the platform: ${line}")
        math(EXPR faults "${faults} + 1")
      endif()
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${RULE}: ${faults} fault(s)")
endif()
message(STATUS "${RULE}: kept by every file of ${SOURCE_DIR}/src")
