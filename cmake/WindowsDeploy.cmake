# Gathers a Windows program and everything it loads into one folder, as windeployqt would on
# Windows (Qt builds windeployqt only there). Run at build time by cmake/WindowsPackaging.cmake:
#
#   cmake -DDESTINATION=DIR -DPROGRAMS="a.exe;b.com" -DPLUGIN_DIR=DIR -DPLUGINS="platforms/x.dll"
#         -DDLL_DIRS="DIR;..." -DDOCS="FILE;..." -DLICENSES="FILE;..." -DOBJDUMP=... -DSTRIP=...
#         -DNSIS_FILES=FILE -DNSIS_UNFILES=FILE -P WindowsDeploy.cmake
#
# The DLLs are the ones the import tables of the programs and plugins name, and of those DLLs
# in turn, found in DLL_DIRS (Qt, libcurl, the MinGW runtime); a DLL found in none of them is
# Windows' own. Every binary is stripped. NSIS_FILES and NSIS_UNFILES receive the installer's
# File and Delete lines for exactly these files, so that the uninstaller removes what the
# installer put there and nothing else.

cmake_minimum_required(VERSION 3.21)

foreach(var IN ITEMS DESTINATION PROGRAMS PLUGIN_DIR DLL_DIRS OBJDUMP STRIP NSIS_FILES NSIS_UNFILES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "WindowsDeploy.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${DESTINATION}")
file(MAKE_DIRECTORY "${DESTINATION}")

set(deployed "") # paths relative to DESTINATION
set(pending "") # binaries whose imports are still to be read
set(seen "") # DLL names already looked up, in lower case
set(system "") # DLLs left to Windows

function(deploy source relative)
    get_filename_component(folder "${DESTINATION}/${relative}" DIRECTORY)
    file(COPY "${source}" DESTINATION "${folder}" FOLLOW_SYMLINK_CHAIN)
    execute_process(COMMAND "${STRIP}" --strip-unneeded "${DESTINATION}/${relative}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${STRIP} failed on ${relative}")
    endif()
    set(deployed ${deployed} "${relative}" PARENT_SCOPE)
    set(pending ${pending} "${DESTINATION}/${relative}" PARENT_SCOPE)
endfunction()

foreach(program IN LISTS PROGRAMS)
    get_filename_component(name "${program}" NAME)
    deploy("${program}" "${name}")
endforeach()
foreach(plugin IN LISTS PLUGINS)
    if(NOT EXISTS "${PLUGIN_DIR}/${plugin}")
        message(FATAL_ERROR "No Qt plugin ${PLUGIN_DIR}/${plugin}")
    endif()
    deploy("${PLUGIN_DIR}/${plugin}" "${plugin}")
endforeach()

while(pending)
    list(POP_FRONT pending binary)
    execute_process(COMMAND "${OBJDUMP}" -p "${binary}" OUTPUT_VARIABLE dump
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} -p failed on ${binary}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: " "" dll "${import}")
        string(TOLOWER "${dll}" key)
        if(key IN_LIST seen)
            continue()
        endif()
        list(APPEND seen "${key}")
        set(found "")
        foreach(dir IN LISTS DLL_DIRS)
            if(NOT found AND EXISTS "${dir}/${dll}")
                set(found "${dir}/${dll}")
            endif()
        endforeach()
        if(found)
            deploy("${found}" "${dll}")
        else()
            list(APPEND system "${dll}")
        endif()
    endforeach()
endwhile()

foreach(file IN LISTS DOCS)
    get_filename_component(name "${file}" NAME)
    file(COPY "${file}" DESTINATION "${DESTINATION}")
    list(APPEND deployed "${name}")
endforeach()
foreach(file IN LISTS LICENSES)
    get_filename_component(name "${file}" NAME)
    file(COPY "${file}" DESTINATION "${DESTINATION}/licenses")
    list(APPEND deployed "licenses/${name}")
endforeach()

list(SORT system CASE INSENSITIVE)
list(JOIN system " " system)
message(STATUS "Deployed ${DESTINATION}; left to Windows: ${system}")

# The installer's lines: files by folder, then the uninstaller's, deepest first.
list(SORT deployed)
set(size 0)
set(install "")
set(uninstall "")
set(folders "")
set(current "-")
foreach(relative IN LISTS deployed)
    file(SIZE "${DESTINATION}/${relative}" bytes)
    math(EXPR size "${size} + ${bytes}")
    get_filename_component(folder "${relative}" DIRECTORY)
    if(NOT folder STREQUAL current)
        set(current "${folder}")
        if(folder STREQUAL "")
            string(APPEND install "SetOutPath \"$INSTDIR\"\n")
        else()
            string(REPLACE "/" "\\" native "${folder}")
            string(APPEND install "SetOutPath \"$INSTDIR\\${native}\"\n")
            list(APPEND folders "${native}")
        endif()
    endif()
    string(REPLACE "/" "\\" native "${relative}")
    string(APPEND install "File \"${DESTINATION}/${relative}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${native}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(APPEND uninstall "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
math(EXPR size "(${size} + 1023) / 1024")
file(WRITE "${NSIS_FILES}" "; Made by cmake/WindowsDeploy.cmake\n!define INSTALLED_SIZE_KB ${size}\n${install}")
file(WRITE "${NSIS_UNFILES}" "; Made by cmake/WindowsDeploy.cmake\n${uninstall}")
