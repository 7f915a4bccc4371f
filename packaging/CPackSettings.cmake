# Packages: `cpack` in the build folder makes the Debian package, and
# `cpack --config CPackSourceConfig.cmake` the source archive.

set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VENDOR Pelmora)
set(CPACK_PACKAGE_CONTACT "Pelmora maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the financial appraisal of investment projects")
set(CPACK_PACKAGE_DESCRIPTION [[
Pelmora solves any of n, i, PV, PMT and FV from the others, splits a loan
into its payments and exports the schedule, and compares two investment
projects from their cash flows (NPV, IRR, profitability index, the Fisher
rate) with a net-present-value profile chart. pelmora-cli drives the same
calculations without a display.]])
set(CPACK_STRIP_FILES ON)

# The Debian package installs under /usr (the generator's own prefix; set here
# it would move the source archive's files too): the program and pelmora-cli
# in /usr/bin, the desktop entry, the project file type and the icons under
# /usr/share, where the package manager's triggers register them.
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The exports and the help document are opened with the program that the
# desktop associates with them; Qt's own texts (standard buttons, file
# dialogs) come in Portuguese with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")

# The dependencies are the runtime packages of the libraries the executables
# link, as dpkg-shlibdeps finds them; without it, the Qt runtime packages of
# the modules the build uses. The pictures are drawn by Qt's SVG plugins, which
# the program loads at run time where dpkg-shlibdeps does not look: their
# package is named in both cases.
find_program(PELMORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(PELMORA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= ${Qt6_VERSION})")
else()
    set(qt_runtime)
    foreach(module IN ITEMS Core Gui Widgets Charts PrintSupport Svg)
        if(TARGET Qt6::${module})
            string(TOLOWER "libqt6${module}6 (>= ${Qt6_VERSION})" package)
            list(APPEND qt_runtime "${package}")
        endif()
    endforeach()
    list(JOIN qt_runtime ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()

# The source archive: the tree without build folders, version control and
# editor files.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "pelmora-${PROJECT_VERSION}")
string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" source_root "${PROJECT_SOURCE_DIR}")
set(ignored
    "^${source_root}/build[^/]*/"
    "^${source_root}/\\.git/"
    "^${source_root}/\\.git$"
    "^${source_root}/fuzz/crashes/"
    "/_CPack_Packages/"
    "\\.user$"
    "~$")
# The patterns are written into the generated CPack configuration as CMake
# strings, where each backslash must be doubled.
string(REPLACE "\\" "\\\\" CPACK_SOURCE_IGNORE_FILES "${ignored}")

include(CPack)
