# The program's Windows side, and its tests under Wine. Included for a Windows build
# (tools/build-windows cross-builds one with cmake/mingw-w64-x86_64.cmake) after the program's
# targets and before the tests, whose executables take the emulator set here.
#
#   camera-setting-tool.exe   the program, Windows' GUI subsystem: no console window opens
#                             beside the launcher
#   camera-setting-tool.com   the same program on the console subsystem, for the command line:
#                             cmd.exe and PowerShell take .com before .exe, wait for it, show
#                             its output and pass on its exit status
#
# Both carry the icon (made from packaging/icons/hicolor with icotool) and the version.

# The packages cmake/WindowsPackaging.cmake makes, named here for the tests that check them.
set(CST_WINDOWS_PACKAGE "${PROJECT_NAME}-${PROJECT_VERSION}-windows-x64")
set(CST_DEPLOY_DIR "${PROJECT_BINARY_DIR}/${CST_WINDOWS_PACKAGE}")
set(CST_WINDOWS_ZIP "${PROJECT_BINARY_DIR}/${CST_WINDOWS_PACKAGE}.zip")
set(CST_WINDOWS_SETUP "${PROJECT_BINARY_DIR}/${CST_WINDOWS_PACKAGE}-setup.exe")

# ---- the two executables --------------------------------------------------------------------

set_target_properties(camera-setting-tool PROPERTIES WIN32_EXECUTABLE TRUE)

# The console twin is built from the program's own sources, definitions and libraries: the
# target's own properties, not what they gather from Qt for a GUI program (Qt's WinMain).
get_target_property(_cst_sources camera-setting-tool SOURCES)
get_target_property(_cst_source_dir camera-setting-tool SOURCE_DIR)
list(TRANSFORM _cst_sources PREPEND "${_cst_source_dir}/" REGEX "^[^/$]")
qt_add_executable(camera-setting-tool-console ${_cst_sources})
set_target_properties(camera-setting-tool-console PROPERTIES
    OUTPUT_NAME camera-setting-tool
    SUFFIX .com
    WIN32_EXECUTABLE FALSE)
foreach(property IN ITEMS COMPILE_DEFINITIONS LINK_LIBRARIES)
    get_target_property(_cst_value camera-setting-tool ${property})
    if(_cst_value)
        set_property(TARGET camera-setting-tool-console APPEND PROPERTY ${property} ${_cst_value})
    endif()
endforeach()

# ---- icon and version -----------------------------------------------------------------------

# One .ico with every size of the tree's PNGs; the 256 px one stays PNG inside it, as Windows
# Vista and later read it.
find_program(CST_ICOTOOL icotool)
if(NOT CST_ICOTOOL)
    message(FATAL_ERROR "icotool not found: install icoutils (tools/build-windows does)")
endif()
set(_cst_icon_dir "${PROJECT_SOURCE_DIR}/packaging/icons/hicolor")
set(_cst_icon_args "")
set(_cst_icon_pngs "")
foreach(size IN LISTS CST_ICON_SIZES)
    set(_png "${_cst_icon_dir}/${size}x${size}/apps/${CST_APP_ID}.png")
    list(APPEND _cst_icon_pngs "${_png}")
    if(size EQUAL 256)
        list(APPEND _cst_icon_args "--raw=${_png}")
    else()
        list(APPEND _cst_icon_args "${_png}")
    endif()
endforeach()
set(CST_WINDOWS_ICON "${PROJECT_BINARY_DIR}/packaging/windows/camera-setting-tool.ico")
add_custom_command(OUTPUT "${CST_WINDOWS_ICON}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/packaging/windows"
    COMMAND "${CST_ICOTOOL}" -c -o "${CST_WINDOWS_ICON}" ${_cst_icon_args}
    DEPENDS ${_cst_icon_pngs}
    COMMENT "Making the Windows icon"
    VERBATIM)
add_custom_target(windows_icon DEPENDS "${CST_WINDOWS_ICON}")

# Version info as Windows shows it in the file's properties (four numbers; the last is 0).
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" CST_COPYRIGHT_LINE REGEX "^Copyright ")
set(_cst_rc "${PROJECT_BINARY_DIR}/packaging/windows/camera-setting-tool.rc")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/camera-setting-tool.rc.in" "${_cst_rc}"
               @ONLY)
set_source_files_properties("${_cst_rc}" PROPERTIES OBJECT_DEPENDS "${CST_WINDOWS_ICON}")
foreach(target IN ITEMS camera-setting-tool camera-setting-tool-console)
    target_sources(${target} PRIVATE "${_cst_rc}")
    add_dependencies(${target} windows_icon)
endforeach()

# ---- the DLLs a Windows program of ours loads -----------------------------------------------

# Qt's DLLs, libcurl's (when the toolchain has it) and the MinGW runtime. The deployment
# (cmake/WindowsPackaging.cmake) takes what the import tables name from these folders; the
# tests under Wine find them through WINEPATH.
set(CST_WINDOWS_DLL_DIRS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(root IN LISTS CMAKE_FIND_ROOT_PATH)
    if(EXISTS "${root}/bin/libcurl.dll")
        list(APPEND CST_WINDOWS_DLL_DIRS "${root}/bin")
    endif()
endforeach()
foreach(dll IN ITEMS libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                    OUTPUT_VARIABLE _cst_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_cst_dll}" OR NOT EXISTS "${_cst_dll}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${dll}: install "
                            "g++-mingw-w64-x86-64-posix (tools/build-windows does)")
    endif()
    get_filename_component(_cst_dll_dir "${_cst_dll}" DIRECTORY)
    get_filename_component(_cst_dll_dir "${_cst_dll_dir}" REALPATH)
    list(APPEND CST_WINDOWS_DLL_DIRS "${_cst_dll_dir}")
endforeach()
list(REMOVE_DUPLICATES CST_WINDOWS_DLL_DIRS)
set(CST_QT_PLUGINS_DIR "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")

# ---- the tests under Wine -------------------------------------------------------------------

# tests/windows/wine-run runs every test executable in one Wine prefix of this build, headless
# on the offscreen platform. Set before the tests' targets are made: a target takes the
# emulator that is set when it is made.
if(CMAKE_CROSSCOMPILING)
    set(CST_WINEPREFIX "${PROJECT_BINARY_DIR}/wine/prefix" CACHE PATH
        "The Wine prefix the tests run in (made on first use)")
    set(CST_LIBERATION_DIR "/usr/share/fonts/truetype/liberation2" CACHE PATH
        "Liberation fonts, the tests' stand-ins for Arial and Times New Roman")
    set(_cst_wine_path "")
    foreach(dir IN LISTS CST_WINDOWS_DLL_DIRS)
        string(REPLACE "/" "\\" dir "Z:${dir}")
        list(APPEND _cst_wine_path "${dir}")
    endforeach()
    set(CST_WINEPATH "${_cst_wine_path}")
    set(CST_WINE_RUN "${PROJECT_BINARY_DIR}/wine-run")
    configure_file("${PROJECT_SOURCE_DIR}/tests/windows/wine-run.in" "${CST_WINE_RUN}" @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${CST_WINE_RUN}")
endif()
