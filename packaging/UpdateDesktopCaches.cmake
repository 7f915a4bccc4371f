# Runs at the end of `cmake --install` into a prefix, so that the desktop of a
# user who installed into ~/.local (or an administrator into /usr/local) knows
# the project file type and the program that opens it at once. A package build
# sets DESTDIR: there the package manager's triggers refresh the system's
# caches on installation, and nothing is run here. Missing tools are skipped;
# a failing one does not fail the install.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()

set(data "${pelmora_datadir}")
if(NOT IS_ABSOLUTE "${data}")
    set(data "${CMAKE_INSTALL_PREFIX}/${data}")
endif()

find_program(pelmora_update_mime update-mime-database)
if(pelmora_update_mime)
    message(STATUS "Updating: ${data}/mime")
    execute_process(COMMAND "${pelmora_update_mime}" "${data}/mime" OUTPUT_QUIET ERROR_QUIET)
endif()

find_program(pelmora_update_desktop update-desktop-database)
if(pelmora_update_desktop)
    message(STATUS "Updating: ${data}/applications")
    execute_process(COMMAND "${pelmora_update_desktop}" -q "${data}/applications" OUTPUT_QUIET ERROR_QUIET)
endif()

# An icon cache is only kept for a theme folder that has its index; elsewhere
# the icons are found without one.
find_program(pelmora_update_icons gtk-update-icon-cache)
if(pelmora_update_icons AND EXISTS "${data}/icons/hicolor/index.theme")
    message(STATUS "Updating: ${data}/icons/hicolor")
    execute_process(COMMAND "${pelmora_update_icons}" -q "${data}/icons/hicolor" OUTPUT_QUIET ERROR_QUIET)
endif()
