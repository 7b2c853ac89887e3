# SPDX-License-Identifier: MIT
# A Debian package: cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Equipo de código Velmora")
set(CPACK_PACKAGE_VERSION ${VELMORA_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${VELMORA_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmora.example/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipo de código Velmora <equipo@velmora.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The long description only: CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora es una pequeña utilidad de escritorio para los números del DNI
español. Se escriben las cifras del número en su ventana y muestra al instante
la letra de control, calculada con la regla del módulo 23; un botón copia el
DNI completo, por ejemplo 12345678Z, al portapapeles para pegarlo en cualquier
otro programa.

No necesita la red, no lee ni escribe archivos y no guarda ninguna
configuración.")
# Library dependencies are computed from the executable; what it loads at run time by name is
# listed here: Qt's Spanish texts and the metric-compatible fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(QT_VERSION_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qttranslations5-l10n, fonts-liberation")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation")
endif()
set(CPACK_VELMORA_SOURCE_DATE_EPOCH ${VELMORA_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack-dates.cmake)
include(CPack)
