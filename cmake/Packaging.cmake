# Install rules (executable, the test e-mail's module, manual page, menu entry, icons, AppStream
# metainfo, the README of the installed program) and the Debian package. Windows has its own:
# cmake/WindowsPackaging.cmake.
#
#   cmake --install BUILD [--prefix DIR]   installs into the standard freedesktop places
#   cmake --build BUILD --target package   builds camera-setting-tool_VERSION_ARCH.deb
#
# tools/check-package builds the package in its own tree and checks it.

include(GNUInstallDirs)

set(CST_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}/../packaging")
cmake_path(NORMAL_PATH CST_PACKAGING_DIR)

set(CST_PACKAGE_MAINTAINER "Camera Setting Tool developers <maintainers@camerasettingtool.invalid>"
    CACHE STRING "Maintainer field of the Debian package: Name <address>")

# The licence is written once, in the metainfo; the package's copyright file repeats it.
file(STRINGS "${CST_METAINFO_FILE}" _cst_license_line REGEX "<project_license>")
string(REGEX REPLACE ".*<project_license>(.*)</project_license>.*" "\\1" CST_PROJECT_LICENSE
                     "${_cst_license_line}")
if(CST_PROJECT_LICENSE STREQUAL "")
    message(FATAL_ERROR "${CST_METAINFO_FILE} names no <project_license>")
endif()

# ---- install rules --------------------------------------------------------------------------

install(TARGETS camera-setting-tool RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The test e-mail's module, in the package's private library folder, where the program looks for
# it (src/mail/CMakeLists.txt); not executable, as Debian wants a shared object.
install(TARGETS mail_module LIBRARY DESTINATION "${CST_PRIVATE_LIBDIR}"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(FILES "${CST_DESKTOP_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CST_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

install(FILES "${CST_PACKAGING_DIR}/icons/${CST_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
# The PNG sizes are rendered from the SVG into the source tree and kept there: after changing
# the SVG, build the render_icons target (rsvg-convert, Debian's librsvg2-bin) and commit the
# PNGs it writes.
find_program(CST_RSVG_CONVERT rsvg-convert)
set(_cst_render_icons "")
foreach(size IN LISTS CST_ICON_SIZES)
    set(_cst_png_dir "${CST_PACKAGING_DIR}/icons/hicolor/${size}x${size}/apps")
    set(_cst_png "${_cst_png_dir}/${CST_APP_ID}.png")
    if(NOT EXISTS "${_cst_png}")
        message(WARNING "Missing icon ${_cst_png}: build the render_icons target")
    endif()
    install(FILES "${_cst_png}"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
    list(APPEND _cst_render_icons
         COMMAND "${CMAKE_COMMAND}" -E make_directory "${_cst_png_dir}"
         COMMAND "${CST_RSVG_CONVERT}" --width ${size} --height ${size} --format png
                 --output "${_cst_png}" "${CST_PACKAGING_DIR}/icons/${CST_APP_ID}.svg")
endforeach()
if(CST_RSVG_CONVERT)
    add_custom_target(render_icons ${_cst_render_icons}
        COMMENT "Rendering the icon's PNG sizes into ${CST_PACKAGING_DIR}/icons/hicolor"
        VERBATIM)
else()
    add_custom_target(render_icons
        COMMAND "${CMAKE_COMMAND}" -E echo "render_icons: rsvg-convert is missing (librsvg2-bin)"
        COMMAND "${CMAKE_COMMAND}" -E false
        VERBATIM)
endif()

# The manual page, compressed as Debian ships manual pages: gzip -9, with no name or time
# stamp in the header, so that every build gives the same bytes.
set(CST_MAN_PAGE "${CST_PACKAGING_DIR}/camera-setting-tool.1")
find_program(CST_GZIP gzip)
if(CST_GZIP)
    set(_cst_man_copy "${PROJECT_BINARY_DIR}/packaging/camera-setting-tool.1")
    add_custom_command(OUTPUT "${_cst_man_copy}.gz"
        COMMAND "${CMAKE_COMMAND}" -E copy "${CST_MAN_PAGE}" "${_cst_man_copy}"
        COMMAND "${CST_GZIP}" -9nf "${_cst_man_copy}"
        DEPENDS "${CST_MAN_PAGE}"
        COMMENT "Compressing the manual page"
        VERBATIM)
    add_custom_target(man_page ALL DEPENDS "${_cst_man_copy}.gz")
    install(FILES "${_cst_man_copy}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
else()
    install(FILES "${CST_MAN_PAGE}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endif()

# Debian wants a copyright file in the package's documentation folder. It takes the licence
# text from the source tree's LICENSE.
set(CST_LICENSE_FILE "${PROJECT_SOURCE_DIR}/LICENSE")
file(READ "${CST_LICENSE_FILE}" _cst_license_text)
# Copyright-format continuation lines: one leading space, "." for an empty line.
string(REGEX REPLACE "\n+$" "" _cst_license_text "${_cst_license_text}")
string(REPLACE "\n" "\n " _cst_license_text " ${_cst_license_text}")
string(REPLACE "\n \n" "\n .\n" _cst_license_text "${_cst_license_text}")
string(REPLACE "\n \n" "\n .\n" _cst_license_text "${_cst_license_text}")
set(CST_LICENSE_BODY "${_cst_license_text}")
configure_file("${CST_PACKAGING_DIR}/copyright.in" "${PROJECT_BINARY_DIR}/packaging/copyright"
               @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/copyright"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}")
# The README of the installed program: the source tree's README speaks of building, testing
# and pictures that are not installed.
install(FILES "${CST_PACKAGING_DIR}/README.installed.md" DESTINATION "${CMAKE_INSTALL_DOCDIR}"
        RENAME README.md)

# ---- Debian package -------------------------------------------------------------------------

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Camera Setting Tool developers")
set(CPACK_PACKAGE_CONTACT "${CST_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writes the network settings file of a cellular trail camera")
set(CPACK_PACKAGE_DESCRIPTION
    "A cellular (3G) trail camera takes its network settings from a file named NET.CFG on its
storage card. This desktop tool writes that file: pick the country and mobile operator from
the built-in carrier database (which fills in the operator's connection parameters), type
the phone numbers and e-mail addresses that are to receive the camera's pictures, choose
the card's folder and press Generate.

Two configurations are offered: MMS (pictures sent as MMS messages) and SMTP
(pictures sent by e-mail through an outgoing mail server). A command line
writes the same file from scripts, without a display, to prepare many cards.")
set(CPACK_RESOURCE_FILE_LICENSE "${CST_LICENSE_FILE}")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CST_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps (dpkg-dev) adds the Qt 6 and C++ runtime libraries the executable links to,
# and libcurl, which the test e-mail's module links to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are laid out for Times New Roman and Arial; Liberation is metric-compatible.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_SOURCE_GENERATOR "TXZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)

# ---- checks of the packaging files under CTest ----------------------------------------------

if(BUILD_TESTING)
    find_program(CST_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(CST_APPSTREAMCLI appstreamcli)
    if(CST_DESKTOP_FILE_VALIDATE)
        add_test(NAME packaging.desktopEntryIsValid
                 COMMAND "${CST_DESKTOP_FILE_VALIDATE}" "${CST_DESKTOP_FILE}")
    else()
        message(STATUS "desktop-file-validate not found (desktop-file-utils): menu entry unchecked")
    endif()
    if(CST_APPSTREAMCLI)
        add_test(NAME packaging.metainfoIsValid
                 COMMAND "${CST_APPSTREAMCLI}" validate --no-net "${CST_METAINFO_FILE}")
    else()
        message(STATUS "appstreamcli not found (appstream): metainfo unchecked")
    endif()
endif()
