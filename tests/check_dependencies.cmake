# The house plan's dependency rule (docs/architecture.md): each folder of
# src/ includes only the folders it may use, and the session core no widget.
# Run as
#   cmake -DSOURCE_DIR=<src> -DWIDGETS_DIR=<Qt's QtWidgets include folder> -P check_dependencies.cmake
cmake_minimum_required(VERSION 3.25)
# Prints every include that breaks the rule and fails if there is one.

set(allowed_maths maths)
set(allowed_engine engine maths)
set(allowed_platform engine platform)
set(allowed_cli engine platform cli)
set(allowed_session engine platform session)
set(allowed_window engine platform session window)
set(allowed_frame engine platform session frame)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(violations "")

# Qt Widgets' headers, as Qt installs them, so a new widget class is known too.
file(GLOB widget_headers RELATIVE "${WIDGETS_DIR}" "${WIDGETS_DIR}/*")
if(NOT "QWidget" IN_LIST widget_headers)
  message(FATAL_ERROR "no Qt Widgets headers in '${WIDGETS_DIR}': pass -DWIDGETS_DIR")
endif()
foreach(folder maths engine platform cli session window frame)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  if(NOT sources)
    list(APPEND violations "src/${folder}: no sources found")
  endif()
  foreach(source ${sources})
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH shown "${SOURCE_DIR}/.." "${source}")
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
        set(target "${CMAKE_MATCH_1}")
        if(NOT target IN_LIST allowed_${folder})
          list(JOIN allowed_${folder} ", " may_use)
          list(APPEND violations "${shown}: ${line} (${folder} may use only ${may_use})")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*\"")
        list(APPEND violations "${shown}: ${line} (name the folder: \"${folder}/...\")")
      elseif(folder STREQUAL "engine" AND line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
        # The engine uses the C++ standard library only: its headers have
        # no folder and no extension.
        set(header "${CMAKE_MATCH_1}")
        if(header MATCHES "[/.]" OR header MATCHES "^Q")
          list(APPEND violations "${shown}: ${line} (the engine uses only the standard library)")
        endif()
      elseif(folder STREQUAL "session" AND line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
        set(header "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "^QtWidgets/" "" name "${header}")
        if(header MATCHES "^QtWidgets/" OR name IN_LIST widget_headers)
          list(APPEND violations "${shown}: ${line} (the session core uses no widget)")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n" report)
  message(FATAL_ERROR "includes that break the house plan:\n${report}")
endif()
message(STATUS "every folder includes only what it may use")
