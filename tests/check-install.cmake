# Installs a build tree into a scratch prefix and checks that the program and every data
# file land where desktops, software centres and icon themes look for them, unchanged,
# and that nothing else is installed.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPREFIX=<scratch dir> -P check-install.cmake
cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR SOURCE_DIR PREFIX)
    if(NOT ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(id org.example.HillCipher)
set(problems "")
set(expected "")

# Expects <prefix>/<path> to exist with the same bytes as <source>/<original>.
function(expect_copy path original)
    set(expected ${expected} "${path}" PARENT_SCOPE)
    if(NOT EXISTS "${PREFIX}/${path}")
        set(problems ${problems} "missing: ${path}" PARENT_SCOPE)
        return()
    endif()
    file(SHA256 "${PREFIX}/${path}" got)
    file(SHA256 "${SOURCE_DIR}/${original}" want)
    if(NOT got STREQUAL want)
        set(problems ${problems} "${path} differs from ${original}" PARENT_SCOPE)
    endif()
endfunction()

set(expected bin/hill-cipher)
find_program(installed_program hill-cipher PATHS "${PREFIX}/bin" NO_DEFAULT_PATH)
if(NOT installed_program)
    list(APPEND problems "missing or not executable: bin/hill-cipher")
endif()

expect_copy(share/applications/${id}.desktop data/${id}.desktop)
expect_copy(share/metainfo/${id}.metainfo.xml data/${id}.metainfo.xml)
foreach(size 32 48 64 128)
    set(png share/icons/hicolor/${size}x${size}/apps/${id}.png)
    expect_copy(${png} data/icons/${size}x${size}/${id}.png)
    if(EXISTS "${PREFIX}/${png}")
        # IHDR holds the width and height as big-endian 32-bit numbers at offset 16.
        file(READ "${PREFIX}/${png}" header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING "${header}" 0 8 width)
        string(SUBSTRING "${header}" 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            list(APPEND problems "${png} is ${width}x${height}, not ${size}x${size}")
        endif()
    endif()
endforeach()
expect_copy(share/icons/hicolor/scalable/apps/${id}.svg ui/icons/hill-cipher.svg)
expect_copy(share/doc/hill-cipher/LICENSE LICENSE)
expect_copy(share/doc/hill-cipher/README.md README.md)

# The menu entry must name the installed program and the themed icon.
set(desktop "${PREFIX}/share/applications/${id}.desktop")
if(EXISTS "${desktop}")
    file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
    file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
    if(NOT exec_line STREQUAL "Exec=hill-cipher")
        list(APPEND problems "desktop entry runs '${exec_line}', not the installed hill-cipher")
    endif()
    if(NOT icon_line STREQUAL "Icon=${id}")
        list(APPEND problems "desktop entry shows '${icon_line}', not the icon ${id}")
    endif()
endif()

file(GLOB_RECURSE installed RELATIVE "${PREFIX}" LIST_DIRECTORIES false "${PREFIX}/*")
foreach(path IN LISTS installed)
    if(NOT path IN_LIST expected)
        list(APPEND problems "unexpected: ${path}")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "install into ${PREFIX}:\n  ${text}")
endif()
list(LENGTH expected count)
message(STATUS "install into ${PREFIX}: all ${count} files in place")
