# Build settings and helpers shared by every directory.

option(TW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TW_WERROR "Treat compiler warnings as errors" OFF)

find_package(Qt5 5.15 REQUIRED COMPONENTS Core Gui Widgets Network Xml PrintSupport Multimedia DBus Concurrent LinguistTools)
if(BUILD_TESTING)
  find_package(Qt5 5.15 REQUIRED COMPONENTS Test)
endif()

add_compile_options(-Wall -Wextra)
if(TW_WERROR)
  add_compile_options(-Werror)
endif()
if(TW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    add_compile_options(-O1)
  endif()
endif()

# Where the build tree keeps the bundle's resource folder (sounds, slides, marker files).
set(TW_BUILD_RESOURCE_DIR "${CMAKE_BINARY_DIR}/resources/")
# Where an installed program finds it, relative to the install prefix.
set(TW_INSTALL_RESOURCE_SUBDIR "${CMAKE_INSTALL_DATADIR}/tickwren")

set(TW_TEST_RUNNER "${CMAKE_SOURCE_DIR}/tests/run-isolated.sh")

# tw_add_test(<name> SOURCES ... [LIBS ...] [TIMEOUT s] [XVFB] [SCREEN WIDTHxHEIGHT])
# A Qt Test program registered with CTest. Each run gets its own temporary HOME and
# XDG folders (see tests/run-isolated.sh), the offscreen platform unless XVFB or
# SCREEN (a virtual X display of that size) is given, and the build tree's resource folder.
function(tw_add_test name)
  cmake_parse_arguments(T "XVFB" "TIMEOUT;SCREEN" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(TW_SANITIZE AND CMAKE_BUILD_TYPE STREQUAL "Debug")
    # A test's own code is glue around the libraries it drives (they keep -O1);
    # unoptimised it compiles a quarter faster, and the sanitizers see it all.
    target_compile_options(${name} PRIVATE -O0)
  endif()
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  # Helpers that tests of every library share: "TestSupport/<Helper>.h".
  target_link_libraries(${name} PRIVATE TestSupport)
  if(T_SCREEN)
    add_test(NAME ${name} COMMAND ${TW_TEST_RUNNER} --xvfb=${T_SCREEN} $<TARGET_FILE:${name}>)
  elseif(T_XVFB)
    add_test(NAME ${name} COMMAND ${TW_TEST_RUNNER} --xvfb $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${TW_TEST_RUNNER} $<TARGET_FILE:${name}>)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "TICKWREN_RESOURCE_DIR=${TW_BUILD_RESOURCE_DIR};TW_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(TARGET tw_bundle)
    add_dependencies(${name} tw_bundle)
  endif()
endfunction()

# tw_add_language_runs(<test> SCREEN <WxH> [TIMEOUT <s>])
# A layout test again in the ten translated languages (its own entry runs in
# English): a few languages to a CTest entry, so that the groups run side by
# side. The languages reach the test as TW_LAYOUT_LANGUAGES.
set(TW_LAYOUT_LANGUAGE_GROUPS "de,ru,es" "fr,hi,it" "pt,ko" "ar,zh_CN")
function(tw_add_language_runs name)
  cmake_parse_arguments(L "" "SCREEN;TIMEOUT" "" ${ARGN})
  if(NOT L_TIMEOUT)
    set(L_TIMEOUT 600)
  endif()
  foreach(group IN LISTS TW_LAYOUT_LANGUAGE_GROUPS)
    string(REPLACE "," "_" suffix "${group}")
    add_test(NAME ${name}_${suffix} COMMAND ${TW_TEST_RUNNER} --xvfb=${L_SCREEN} $<TARGET_FILE:${name}>)
    set_tests_properties(${name}_${suffix} PROPERTIES TIMEOUT ${L_TIMEOUT} ENVIRONMENT
      "TICKWREN_RESOURCE_DIR=${TW_BUILD_RESOURCE_DIR};TW_SOURCE_DIR=${CMAKE_SOURCE_DIR};QT_XCB_GL_INTEGRATION=none;TW_LAYOUT_LANGUAGES=${group}")
  endforeach()
endfunction()

# Headers are included by library path: "MTools/Base64.h", "ZEDireroz/frame/App.h"
# (from libs/cpp), "platform/audio/NativeAudioPlayer.h" and "app/Startup.h" (from
# the source root).
get_filename_component(TW_TOP_DIR "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(TW_INCLUDE_ROOTS ${TW_TOP_DIR}/libs/cpp ${TW_TOP_DIR})

# tw_glob_library(<name> [RECURSE] [PUBLIC_LIBS ...] [PRIVATE_LIBS ...] [OPTIONAL_LIBS ...] [EXCLUDE file...])
# The library of the current directory, built from every .cpp and .h in it (with
# RECURSE also in its sub-directories) but the EXCLUDE files. OPTIONAL_LIBS are
# linked only when a target of that name exists. A directory with no sources yet
# defines no target.
function(tw_glob_library name)
  cmake_parse_arguments(L "RECURSE" "" "PUBLIC_LIBS;OPTIONAL_LIBS;PRIVATE_LIBS;EXCLUDE" ${ARGN})
  if(L_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  foreach(file IN LISTS L_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${TW_INCLUDE_ROOTS})
  target_link_libraries(${name} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
  foreach(dep IN LISTS L_OPTIONAL_LIBS)
    if(TARGET ${dep})
      target_link_libraries(${name} PUBLIC ${dep})
    endif()
  endforeach()
endfunction()

# tw_add_subdirectories(): adds every immediate sub-directory that has a CMakeLists.txt,
# so that each test (or benchmark) lives in a folder of its own.
function(tw_add_subdirectories)
  file(GLOB children CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# tw_resource_object_library(<name> QRC <qrc> NAME <rcc name> [DEPENDS ...])
# Compiles a generated .qrc into an object library, so that the resources are
# registered before main in whatever links it.
function(tw_resource_object_library name)
  cmake_parse_arguments(R "" "QRC;NAME" "DEPENDS" ${ARGN})
  set(cpp "${CMAKE_CURRENT_BINARY_DIR}/qrc_${R_NAME}.cpp")
  add_custom_command(
    OUTPUT ${cpp}
    COMMAND Qt5::rcc --name ${R_NAME} -o ${cpp} ${R_QRC}
    DEPENDS ${R_QRC} ${R_DEPENDS}
    VERBATIM)
  add_library(${name} OBJECT ${cpp})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
  target_link_libraries(${name} PUBLIC Qt5::Core)
  target_compile_options(${name} PRIVATE -w)
endfunction()
