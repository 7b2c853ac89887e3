# SPDX-License-Identifier: MIT
# Two builds of the same commit, in different folders and at different times, give the same
# bytes: nothing of the build's folders or clock ends up in what is shipped.

# The time stamped into packages: SOURCE_DATE_EPOCH when given, otherwise the commit's time.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VELMORA_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE VELMORA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_status ERROR_QUIET)
    if(NOT git_status EQUAL 0 OR NOT VELMORA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        # Not a git checkout: a fixed time rather than the clock's.
        set(VELMORA_SOURCE_DATE_EPOCH 315532800)
    else()
        # Configured again after each commit or checkout, which git logs there.
        execute_process(COMMAND git rev-parse --path-format=absolute --git-path logs/HEAD
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(EXISTS "${head_log}")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
        endif()
    endif()
endif()

if(NOT MSVC)
    # File names in debug information and messages, relative to the source and build folders
    # (the build folder's is given last, so that it is the one used inside the source folder).
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()
# Qt's resource compiler stores each file's modification time from format 2 on, which a fresh
# checkout sets to the checkout's time; format 1 stores none and reads the same.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)
if(MINGW)
    # The PE header's time stamp would otherwise be the link's time.
    add_link_options(-Wl,--no-insert-timestamp)
endif()
