# Writes the version header of the program: the project version and, when the sources are a
# git checkout, the commit ("-dirty" when tracked files differ from it). Run at every build;
# the header is rewritten only when its text changes, so an unchanged commit rebuilds nothing.
#   cmake -DVERSION=0.1.0 -DSOURCE_DIR=... -DOUTPUT=.../korvel_version.h -P korvel_version.cmake
set(commit "")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(
    COMMAND "${GIT_EXECUTABLE}" describe --always --dirty --abbrev=12 --exclude=*
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE commit
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE failed)
  if(failed)
    set(commit "")
  endif()
endif()
set(text "// Written by cmake/korvel_version.cmake at build time.\n#pragma once\n")
string(APPEND text "#define KORVEL_VERSION \"${VERSION}\"\n#define KORVEL_COMMIT \"${commit}\"\n")
file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
