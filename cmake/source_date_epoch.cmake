# SPDX-FileCopyrightText: 2026 The Letterfibel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The time that stands for this source in everything built from it, as the reproducible-builds
# effort defines SOURCE_DATE_EPOCH: the variable where it is set, otherwise the last commit's
# time, otherwise (a source archive) the time git archive gave its files.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(LETTERFIBEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE LETTERFIBEL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_result ERROR_QUIET)
    if(NOT git_result EQUAL 0 OR LETTERFIBEL_SOURCE_DATE_EPOCH STREQUAL "")
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt LETTERFIBEL_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()
# The linker stamps a Windows program with this time instead of the time of the build.
if(MINGW)
    set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env
        SOURCE_DATE_EPOCH=${LETTERFIBEL_SOURCE_DATE_EPOCH})
endif()
