# SPDX-License-Identifier: MIT
# Read by cpack as the project's configuration (CPACK_PROJECT_CONFIG_FILE): the package's archives
# dated at the commit, as CPack does when SOURCE_DATE_EPOCH is set, rather than at packaging time,
# so that two builds of the same commit give the same package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_VELMORA_SOURCE_DATE_EPOCH})
endif()
