# SPDX-License-Identifier: MIT
# Reads the maker's identity from shell/identity.h, so that the Debian package, its copyright
# file and the Windows installers carry what the executable's version block carries, without a
# second copy. Each "#define VELMORA_X ..." made of string literals and earlier VELMORA_ names
# becomes the CMake variable VELMORA_X holding the joined text.
set(VELMORA_IDENTITY_HEADER ${CMAKE_CURRENT_LIST_DIR}/../shell/identity.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELMORA_IDENTITY_HEADER})

file(STRINGS ${VELMORA_IDENTITY_HEADER} velmora_identity_lines ENCODING UTF-8
     REGEX "^#define VELMORA_[A-Z_]+ ")
foreach(line IN LISTS velmora_identity_lines)
    if(NOT line MATCHES "^#define (VELMORA_[A-Z_]+) (.+)$")
        continue()
    endif()
    set(name ${CMAKE_MATCH_1})
    set(value "${CMAKE_MATCH_2}")
    # Names defined above, expanded as the preprocessor would: to their literal.
    while(value MATCHES "(^|[ \"])(VELMORA_[A-Z_]+)")
        set(used ${CMAKE_MATCH_2})
        if(NOT DEFINED ${used})
            message(FATAL_ERROR "identity.h: ${name} uses ${used}, which is not defined above it")
        endif()
        string(REPLACE "${used}" "\"${${used}}\"" value "${value}")
    endwhile()
    # Adjacent literals are one string.
    string(REGEX REPLACE "\" *\"" "" value "${value}")
    if(NOT value MATCHES "^\"([^\"]*)\"$")
        message(FATAL_ERROR "identity.h: ${name} is not made of string literals: ${value}")
    endif()
    set(${name} "${CMAKE_MATCH_1}")
endforeach()
