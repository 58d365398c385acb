# One static library per subsystem folder, so each folder's dependencies are
# explicit and a broken folder never stops another from building.
#   kestrova_folder_library(NAME base DEPS ...)  builds src/<name>/*.cpp as kestrova_<name>
#   kestrova_folder_tests(NAME base DEPS ...)    builds tests/<name>/*.cpp as test_<name>
#
# Headers are included as "folder/Name.h". Each library publishes only its own
# folder: an include root in the build tree holds one link, <folder> -> the
# source folder, so a header of a folder the library does not link against is
# simply not found and an include that runs up the stack fails to compile.
function(kestrova_include_root target folder source_dir)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${source_dir} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
function(kestrova_folder_library)
  cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(kestrova_${ARG_NAME} STATIC ${sources})
    target_link_libraries(kestrova_${ARG_NAME} PUBLIC ${ARG_DEPS})
  else()
    add_library(kestrova_${ARG_NAME} INTERFACE)
    target_link_libraries(kestrova_${ARG_NAME} INTERFACE ${ARG_DEPS})
  endif()
  kestrova_include_root(kestrova_${ARG_NAME} ${ARG_NAME} ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

function(kestrova_folder_tests)
  cmake_parse_arguments(ARG "" "NAME;LABEL" "DEPS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${ARG_NAME} ${sources})
  target_include_directories(test_${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(test_${ARG_NAME} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_${ARG_NAME} PRIVATE
    KESTROVA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    KESTROVA_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${ARG_NAME} COMMAND test_${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 300)
endfunction()
