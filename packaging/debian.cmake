# The Debian packages, made by CPack from the install rules' components
# (scripts/package.sh): corvane, libgauger1 and libgauger-dev. The files of
# packaging/debian/PACKAGE/ go into each package's control area.
set(debian ${CMAKE_CURRENT_SOURCE_DIR}/debian)
set(CORVANE_DEBIAN_REVISION 1)
set(deb_version ${PROJECT_VERSION}-${CORVANE_DEBIAN_REVISION})
set(packages corvane libgauger1 libgauger-dev)

# Each package's doc folder holds the copyright and the changelog; they describe
# the packages, so a plain install leaves them out.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -DGZIP=${GZIP} -DINPUT=${debian}/changelog -DOUTPUT=${changelog}
          -P ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake
  DEPENDS ${debian}/changelog ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog})
foreach(package IN LISTS packages)
  install(FILES ${debian}/copyright ${changelog}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
          COMPONENT ${package} EXCLUDE_FROM_ALL)
  install(FILES ${debian}/${package}/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${package}
          COMPONENT ${package} EXCLUDE_FROM_ALL)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Brantwick Software")
set(CPACK_PACKAGE_CONTACT "Brantwick Software <corvane-preview@example.com>")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${packages})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CORVANE_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SOURCE corvane)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.com/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The packages install under /usr whatever this build's prefix, with the
# settings file in /etc: the install step runs for the prefix /usr into a
# staging root, so that the settings name the right folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# Lines of the long descriptions stay within 72 columns.
set(about_corvane
    "Corvane edits the JSB files that describe a reusable JavaScript
component to a visual web-page builder: its properties, events, methods,
parameters, interfaces and constructor source.")
set(about_gauger
    "The gauger library compares version strings, tests files and folders
and reads the clock, for installer programs.")

set(CPACK_DEBIAN_CORVANE_PACKAGE_NAME corvane)
set(CPACK_DEBIAN_CORVANE_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_CORVANE_DESCRIPTION "editor for JavaScript BeanInfo (JSB) files
${about_corvane}

jsbtool reads, writes and checks JSB files from scripts and CI.")
# The shared libraries come from dpkg-shlibdeps; the toolkit's platform
# plugins are loaded at run time, which it cannot see. Help Contents and the
# web links open through xdg-open; the window's designed font is drawn with
# Liberation Sans, whose widths its captions were laid out for. Qt's own texts
# (its dialogs' buttons) follow the window's translation from Qt's catalogues.
set(CPACK_DEBIAN_CORVANE_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_CORVANE_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_CORVANE_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_CORVANE_PACKAGE_CONTROL_EXTRA ${debian}/corvane/conffiles)

set(CPACK_DEBIAN_LIBGAUGER1_PACKAGE_NAME libgauger1)
set(CPACK_DEBIAN_LIBGAUGER1_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBGAUGER1_DESCRIPTION "gauger version comparison library for installer programs
${about_gauger}

This package holds the shared library.")
# Its dependencies are found when cpack runs (cpackoptions.cmake), not by
# CPack's own dpkg-shlibdeps step, which would add maintainer scripts calling
# ldconfig where the package's trigger does that.
set(CPACK_DEBIAN_LIBGAUGER1_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_LIBGAUGER1_PACKAGE_CONTROL_EXTRA
    ${debian}/libgauger1/shlibs ${debian}/libgauger1/symbols ${debian}/libgauger1/triggers)

set(CPACK_DEBIAN_LIBGAUGER-DEV_PACKAGE_NAME libgauger-dev)
set(CPACK_DEBIAN_LIBGAUGER-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBGAUGER-DEV_DESCRIPTION "gauger version comparison library - development files
${about_gauger}

This package holds the header, the link for building against the library
and an example caller.")
set(CPACK_DEBIAN_LIBGAUGER-DEV_PACKAGE_DEPENDS "libgauger1 (= ${deb_version})")

# Strips the binaries as Debian does, and finds the library's dependencies.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
configure_file(debian/strip.cmake.in debian/strip.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_BINARY_DIR}/debian/strip.cmake)
configure_file(debian/cpackoptions.cmake.in debian/cpackoptions.cmake.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/cpackoptions.cmake
     INPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/cpackoptions.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/debian/cpackoptions.cmake)
include(CPack)
