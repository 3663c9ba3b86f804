# The Windows packages, made with the rest of a Windows build (`cmake --build`, which
# tools/build-windows runs) in the build folder:
#
#   camera-setting-tool-VERSION-windows-x64/           the program with everything it loads
#   camera-setting-tool-VERSION-windows-x64.zip        that folder, to unpack and run anywhere
#   camera-setting-tool-VERSION-windows-x64-setup.exe  the installer (NSIS: makensis)
#
# The folder holds camera-setting-tool.exe and .com (cmake/Windows.cmake), the test e-mail's
# module camera-setting-tool-mail.dll beside them (src/mail), the DLLs they load
# (cmake/WindowsDeploy.cmake: libcurl.dll only for the module, which the programs do not
# import), the Qt plugins the windows need (the windows platform and its native style), the
# icon, our licence, and the third parties' notices and licences.

set(_cst_win_dir "${PROJECT_SOURCE_DIR}/packaging/windows")
set(_cst_win_build "${PROJECT_BINARY_DIR}/packaging/windows")

foreach(tool IN ITEMS CMAKE_OBJDUMP CMAKE_STRIP)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} not found: install binutils-mingw-w64-x86-64")
    endif()
endforeach()
find_program(CST_MAKENSIS makensis)
if(NOT CST_MAKENSIS)
    message(FATAL_ERROR "makensis not found: install nsis (tools/build-windows does)")
endif()

# ---- licences and notices -------------------------------------------------------------------

# Text files with Windows line ends, so that every editor shows their lines.
function(cst_windows_text source name)
    file(READ "${source}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${_cst_win_build}/${name}" "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
endfunction()

# Qt under the LGPL 3 (which is the GPL 3 with extra permissions: both texts), the MinGW-w64
# runtime under the GPL 3 with the GCC Runtime Library Exception, winpthreads under the MIT
# licence, libcurl under its own; the Debian copyright files hold those texts.
set(_cst_licenses
    "/usr/share/common-licenses/LGPL-3|Qt-LGPL-3.0.txt"
    "/usr/share/common-licenses/GPL-3|GPL-3.0.txt"
    "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright|MinGW-w64-GCC-runtime.txt"
    "/usr/share/doc/mingw-w64-x86-64-dev/copyright|MinGW-w64-winpthreads.txt"
    "/usr/share/doc/libcurl4/copyright|curl.txt")
set(CST_WINDOWS_LICENSES "")
foreach(pair IN LISTS _cst_licenses)
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 name)
    if(NOT EXISTS "${source}")
        message(FATAL_ERROR "No ${source}: install base-files, libcurl4 and the MinGW-w64 packages")
    endif()
    cst_windows_text("${source}" "licenses/${name}")
    list(APPEND CST_WINDOWS_LICENSES "${_cst_win_build}/licenses/${name}")
endforeach()
cst_windows_text("${PROJECT_SOURCE_DIR}/LICENSE" "LICENSE.txt")
set(CST_QT_VERSION "${Qt6Core_VERSION}")
find_package(CURL REQUIRED)
set(CST_CURL_VERSION "${CURL_VERSION_STRING}")
if(NOT CST_CURL_VERSION)
    set(CST_CURL_VERSION "${CURL_VERSION}") # curl's own CMake package names it so
endif()
configure_file("${_cst_win_dir}/THIRD-PARTY.txt.in" "${_cst_win_build}/THIRD-PARTY.txt.lf" @ONLY)
cst_windows_text("${_cst_win_build}/THIRD-PARTY.txt.lf" "THIRD-PARTY.txt")
set(CST_WINDOWS_DOCS "${_cst_win_build}/LICENSE.txt" "${_cst_win_build}/THIRD-PARTY.txt"
                     "${CST_WINDOWS_ICON}")

# ---- the folder, the zip and the installer --------------------------------------------------

# What the windows load: the platform plugin and the native style (the offscreen platform is
# only for the tests, and PNG support is inside Qt6Gui).
set(CST_WINDOWS_PLUGINS platforms/qwindows.dll styles/qwindowsvistastyle.dll)
set(_cst_nsis_files "${_cst_win_build}/install-files.nsh")
set(_cst_nsis_unfiles "${_cst_win_build}/uninstall-files.nsh")
set(_cst_deployed "${_cst_win_build}/deployed.stamp")
add_custom_command(OUTPUT "${_cst_deployed}" "${_cst_nsis_files}" "${_cst_nsis_unfiles}"
    COMMAND "${CMAKE_COMMAND}"
        "-DDESTINATION=${CST_DEPLOY_DIR}"
        "-DPROGRAMS=$<TARGET_FILE:camera-setting-tool>;$<TARGET_FILE:camera-setting-tool-console>;$<TARGET_FILE:mail_module>"
        "-DPLUGIN_DIR=${CST_QT_PLUGINS_DIR}"
        "-DPLUGINS=${CST_WINDOWS_PLUGINS}"
        "-DDLL_DIRS=${CST_WINDOWS_DLL_DIRS}"
        "-DDOCS=${CST_WINDOWS_DOCS}"
        "-DLICENSES=${CST_WINDOWS_LICENSES}"
        "-DOBJDUMP=${CMAKE_OBJDUMP}"
        "-DSTRIP=${CMAKE_STRIP}"
        "-DNSIS_FILES=${_cst_nsis_files}"
        "-DNSIS_UNFILES=${_cst_nsis_unfiles}"
        -P "${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake"
    COMMAND "${CMAKE_COMMAND}" -E touch "${_cst_deployed}"
    DEPENDS camera-setting-tool camera-setting-tool-console mail_module
            "${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake" ${CST_WINDOWS_DOCS}
            ${CST_WINDOWS_LICENSES}
    COMMENT "Gathering the program, its DLLs and plugins in ${CST_WINDOWS_PACKAGE}/"
    VERBATIM)

# The zip holds the folder itself, so that it unpacks into one folder.
add_custom_command(OUTPUT "${CST_WINDOWS_ZIP}"
    COMMAND "${CMAKE_COMMAND}" -E rm -f "${CST_WINDOWS_ZIP}"
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${CST_WINDOWS_ZIP}" --format=zip
            "${CST_WINDOWS_PACKAGE}"
    WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
    DEPENDS "${_cst_deployed}"
    COMMENT "Packing ${CST_WINDOWS_PACKAGE}.zip"
    VERBATIM)

set(_cst_nsi "${_cst_win_dir}/camera-setting-tool.nsi")
add_custom_command(OUTPUT "${CST_WINDOWS_SETUP}"
    COMMAND "${CST_MAKENSIS}" -V2 -NOCD
        "-DVERSION=${PROJECT_VERSION}"
        "-DVERSION4=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0"
        "-DOUTFILE=${CST_WINDOWS_SETUP}"
        "-DICON=${CST_WINDOWS_ICON}"
        "-DFILES=${_cst_nsis_files}"
        "-DUNFILES=${_cst_nsis_unfiles}"
        "${_cst_nsi}"
    DEPENDS "${_cst_deployed}" "${_cst_nsi}"
    COMMENT "Making the installer ${CST_WINDOWS_PACKAGE}-setup.exe"
    VERBATIM)

add_custom_target(windows_packages ALL DEPENDS "${CST_WINDOWS_ZIP}" "${CST_WINDOWS_SETUP}")
