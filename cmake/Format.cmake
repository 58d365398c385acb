# `format` rewrites every C++ file with the root .clang-format; `format-check`
# fails on any file that drifts from it. Debian 12's clang-format (version 14)
# is the one the style is pinned to.
find_program(KESTROVA_CLANG_FORMAT NAMES clang-format-14 clang-format)
if(KESTROVA_CLANG_FORMAT)
  file(GLOB_RECURSE format_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
       ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.h
       ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
       ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h)
  add_custom_target(format COMMAND ${KESTROVA_CLANG_FORMAT} -i ${format_sources}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    COMMENT "Formatting every C++ file" VERBATIM)
  add_custom_target(format-check
                    COMMAND ${KESTROVA_CLANG_FORMAT} --dry-run --Werror ${format_sources}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    COMMENT "Checking the format of every C++ file" VERBATIM)
endif()
