# Installs Brenquill like a desktop application. The program keeps its bundle layout under
# lib/brenquill: the executable in bin/ with the Resources and lib folders beside it. bin/brenquill
# is a relative symlink to it (the program resolves the link to find its Resources), and the
# desktop entry, the software-centre metadata and the icons go where desktops look for them.
# Needs the brenquill and brenquill_audio targets and the resources directory to be defined first.

get_directory_property(brenquill_resource_files
    DIRECTORY ${PROJECT_SOURCE_DIR}/resources DEFINITION BRENQUILL_RESOURCE_FILES)
list(TRANSFORM brenquill_resource_files PREPEND ${PROJECT_SOURCE_DIR}/resources/)

if(APPLE)
    # On macOS the application bundle is the whole installation.
    install(TARGETS brenquill BUNDLE DESTINATION .)
    install(FILES ${brenquill_resource_files}
        DESTINATION brenquill.app/Contents/Resources)
    install(TARGETS brenquill_audio LIBRARY DESTINATION brenquill.app/Contents/lib)
    return()
endif()

set(brenquill_app_dir lib/brenquill)
install(TARGETS brenquill RUNTIME DESTINATION ${brenquill_app_dir}/bin)
install(FILES ${brenquill_resource_files} DESTINATION ${brenquill_app_dir}/Resources)
# The audio output module, loaded from the lib folder beside bin on the first sound.
install(TARGETS brenquill_audio LIBRARY DESTINATION ${brenquill_app_dir}/lib)

# Made at install time so that the link stays relative and works under any prefix and DESTDIR.
install(CODE [[
    set(link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/brenquill")
    message(STATUS "Installing: ${link} -> ../lib/brenquill/bin/brenquill")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
    file(REMOVE "${link}")
    file(CREATE_LINK ../lib/brenquill/bin/brenquill "${link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")  # so that install_manifest.txt lists it
]])

set(brenquill_id ${BRENQUILL_APP_ID})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${brenquill_id}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${brenquill_id}.metainfo.xml DESTINATION share/metainfo)
foreach(size IN LISTS BRENQUILL_ICON_SIZES)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${brenquill_id}-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps
        RENAME ${brenquill_id}.png)
endforeach()
