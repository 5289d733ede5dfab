# Helpers shared by every deliverable's CMakeLists.

set(QV_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

# Adds a version block to a target; every shipped image carries one.
function(qv_version_resource target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(QV_FILETYPE VFT_APP)
    set(suffix ".exe")
  else()
    set(QV_FILETYPE VFT_DLL)
    set(suffix ".dll")
  endif()
  get_target_property(outname ${target} OUTPUT_NAME)
  if(NOT outname)
    set(outname ${target})
  endif()
  get_target_property(outsuffix ${target} SUFFIX)
  if(outsuffix)
    set(suffix ${outsuffix})
  endif()
  set(QV_DESCRIPTION "${description}")
  set(QV_INTERNAL "${outname}")
  set(QV_FILENAME "${outname}${suffix}")
  set(QV_VER_DOTS "${PROJECT_VERSION}")
  string(REPLACE "." "," QV_VER_COMMAS "${PROJECT_VERSION}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# A shared library of ours: no "lib" prefix, plain export names.
function(qv_dll target)
  set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "")
endfunction()

# One GoogleTest program, run by ctest through the cross-compiling emulator (Wine).
# Tests start in the program folder, where the deliverables and their resources lie.
# GUI: the program makes windows that take focus or uses the clipboard. Such programs take turns
# on a display: each needs one of ctest's "display" lanes, which scripts/test gives it (each lane
# its own virtual display and Wine prefix; cmake/wine-run picks them). A ctest run without that
# resource file gives no lanes: run it without -j.
# ARGS: arguments of the program in the test (a --gtest_filter, say). The program's main
# (qv_test_main) fails a run in which no test ran.
function(qv_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;LABELS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest qv_test_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QV_TEST_DIR})
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS} WORKING_DIRECTORY ${QV_BIN_DIR})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS display:1)
  endif()
endfunction()

# A benchmark program (bench/): built with everything, run by hand through scripts/bench.
function(qv_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# Copies a module's test files next to the test programs (build/tests/<name>), where tests
# find them relative to their own executable.
function(qv_test_data name dir)
  file(GLOB_RECURSE files RELATIVE ${dir} ${dir}/*)
  foreach(f ${files})
    configure_file(${dir}/${f} ${QV_TEST_DIR}/${name}/${f} COPYONLY)
  endforeach()
endfunction()

# A plug-in of the viewer: a DLL with plain export names that sees the plug-in boundary
# (QV2PluginInterface.h). The plug-ins named by the resource library (strings 173 and 175) lie in
# the program folder as .dll files; FOLDER puts a plug-in into the plug-in folder instead
# (build/bin/Plugins, string 181) with the plug-in extension .qvp (string 186), where the
# viewer's search finds it.
function(qv_plugin target)
  cmake_parse_arguments(P "FOLDER" "" "" ${ARGN})
  qv_dll(${target})
  target_link_libraries(${target} PRIVATE qv_plugin_interface)
  if(P_FOLDER)
    set_target_properties(${target} PROPERTIES SUFFIX ".qvp" RUNTIME_OUTPUT_DIRECTORY ${QV_BIN_DIR}/Plugins)
  endif()
endfunction()
