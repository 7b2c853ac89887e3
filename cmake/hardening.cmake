# SPDX-License-Identifier: MIT
# The hardening Debian builds its own packages with, for the optimised Linux builds that are
# packaged: dpkg-buildflags's with hardening=+all (stack protector, fortified functions, which
# need optimisation, format checks, read-only relocations and immediate binding), and the
# control-flow and stack-clash protection of newer dpkg where the compiler offers them.
# Optimisation and debug information stay the build type's. Off for the sanitizer and fuzzer
# builds, whose run-time checks the fortified functions would get in the way of.
include(CheckCXXCompilerFlag)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(velmora_hardening_default ON)
else()
    set(velmora_hardening_default OFF)
endif()
option(VELMORA_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)"
       ${velmora_hardening_default})
if(NOT VELMORA_HARDENING)
    return()
endif()

find_program(VELMORA_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VELMORA_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "VELMORA_HARDENING needs dpkg-buildflags (package dpkg-dev)")
endif()
# velmora_buildflags(<CPPFLAGS | CXXFLAGS | LDFLAGS> <regex> <variable>): dpkg-buildflags's
# flags of that kind that match the regex, as a list.
function(velmora_buildflags kind pattern variable)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${VELMORA_DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags INCLUDE REGEX "${pattern}")
    set(${variable} ${flags} PARENT_SCOPE)
endfunction()

velmora_buildflags(CPPFLAGS "^-D_FORTIFY_SOURCE=" fortify)
velmora_buildflags(CXXFLAGS "^-(fstack-protector|fstack-clash-protection|fcf-protection|Wformat|Werror=format)" protection)
velmora_buildflags(LDFLAGS "^-Wl,-z," linking)
foreach(flag -fcf-protection -fstack-clash-protection)
    string(MAKE_C_IDENTIFIER "velmora_has${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported} AND NOT "${protection}" MATCHES "${flag}")
        list(APPEND protection ${flag})
    endif()
endforeach()
add_compile_options(${fortify} ${protection})
add_link_options(${linking})
string(JOIN " " shown ${fortify} ${protection} ${linking})
message(STATUS "Hardening: ${shown}")
