# Helpers shared by every folder of the program.

# Qt and Qwt for every library of the program.
add_library(sorvana_qt INTERFACE)
target_link_libraries(sorvana_qt INTERFACE
  Qt5::Core Qt5::Gui Qt5::Widgets Qt5::Network Qt5::SerialPort Qt5::Sql
  Qt5::PrintSupport Qt5::Svg Qwt::Qwt)
target_include_directories(sorvana_qt INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_definitions(sorvana_qt INTERFACE QT_NO_FOREACH QT_DEPRECATED_WARNINGS)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(sorvana_qt INTERFACE -Wall -Wextra -Wno-unused-parameter)
endif()
# The test path and CI hold the program's own code to no warnings at all;
# Qt's and Qwt's headers are system headers and do not count.
option(SORVANA_WERROR "Make warnings in the program's own code errors" OFF)
if(SORVANA_WERROR AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(sorvana_qt INTERFACE -Werror)
endif()

# The libraries whose headers a list of sources includes ("folder/Name.h"),
# so that a test, a tool or a benchmark links exactly what it uses.
function(sorvana_included_libraries out)
  set(libs "")
  foreach(src IN LISTS ARGN)
    file(STRINGS ${src} lines REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS lines)
      string(REGEX MATCH "^#include \"([a-z]+)/" _ "${line}")
      set(folder ${CMAKE_MATCH_1})
      if(folder STREQUAL "tests")
        list(APPEND libs testsupport)
      elseif(folder IN_LIST SORVANA_FOLDERS)
        list(APPEND libs ${folder})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES libs)
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# With Ninja, moc and uic run again only when a file they already know changes,
# so a header or form added to a globbed folder is missed until the build folder
# is wiped. When the target's list of files changes, its code generation is
# made to run again.
function(sorvana_autogen_follows_sources target files)
  set(listing_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(old "")
  if(EXISTS ${listing_file})
    file(READ ${listing_file} old)
  endif()
  if(NOT old STREQUAL "${files}")
    file(WRITE ${listing_file} "${files}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()

# sorvana_library(NAME [DEPS lib...]): a static library of every source in the
# calling folder (headers, sources and designer forms). DEPS names exactly the
# lower libraries whose headers the folder includes; tools/check-layers.py
# (run by ctest) holds every folder to that.
function(sorvana_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  list(APPEND sources ${ARG_UNPARSED_ARGUMENTS})
  if(NOT sources)
    # A folder without code yet: keep the name so that dependants link.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE sorvana_qt ${ARG_DEPS})
  else()
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC sorvana_qt ${ARG_DEPS})
    set_target_properties(${name} PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR})
    sorvana_autogen_follows_sources(${name} "${sources}")
  endif()
endfunction()

# sorvana_tests(): one Qt Test executable per tst_*.cpp of the calling folder,
# run by ctest on the offscreen platform.
function(sorvana_tests area)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    set(target ${area}_${base})
    add_executable(${target} ${src})
    sorvana_included_libraries(libs ${src})
    target_link_libraries(${target} PRIVATE ${libs} sorvana_qt Qt5::Test)
    add_test(NAME ${area}/${base} COMMAND ${target})
    set_tests_properties(${area}/${base} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false"
      TIMEOUT 300)
  endforeach()
endfunction()
