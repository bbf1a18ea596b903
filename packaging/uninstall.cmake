# Removes an installation of Brenquill: every file that the build folder's install_manifest.txt
# lists, then the program's own folders (lib/brenquill and the folders in it) once they are empty.
# The folders it shares with other programs stay, even when Brenquill was the last thing in them:
# the prefix's bin, lib and share, share/applications, share/metainfo and the icon theme's folders.
#
#   cmake -D MANIFEST=build/install_manifest.txt -P packaging/uninstall.cmake

cmake_minimum_required(VERSION 3.25)  # so that the folder search below follows no links
if(NOT DEFINED MANIFEST)
    message(FATAL_ERROR "Give the install manifest: cmake -D MANIFEST=<build>/install_manifest.txt")
endif()
file(STRINGS "${MANIFEST}" installed ENCODING UTF-8)

foreach(file IN LISTS installed)
    # The link bin/brenquill is removed whether or not its program is still there.
    if(IS_SYMLINK "${file}" OR EXISTS "${file}")
        message(STATUS "Removing: ${file}")
        file(REMOVE "${file}")
    endif()
    if(file MATCHES "^(.*/lib/brenquill)/bin/brenquill$")
        set(app_dir "${CMAKE_MATCH_1}")
    endif()
endforeach()

# Innermost folders first, so that each is empty when its turn comes; anything that someone put
# there besides the installed files keeps its folder.
if(DEFINED app_dir AND IS_DIRECTORY "${app_dir}")
    file(GLOB_RECURSE folders LIST_DIRECTORIES true "${app_dir}/*")
    list(SORT folders ORDER DESCENDING)
    foreach(folder IN LISTS folders ITEMS "${app_dir}")
        file(GLOB left "${folder}/*")
        if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}" AND NOT left)
            message(STATUS "Removing: ${folder}/")
            file(REMOVE_RECURSE "${folder}")
        endif()
    endforeach()
endif()
