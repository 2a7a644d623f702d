# The Debian package: the tree `cmake --install --prefix /usr` lays out, with
# the documentation as Debian's policy wants it (the manual page and the
# changelog compressed with gzip -9n, no timestamp inside; the licence inside
# the machine-readable copyright file instead of a file of its own), made with
# cpack. scripts/package configures the build with Debian's compiler flags.

set(QUORBIT_LICENCE_FILE copyright)
configure_file(quorbit.6.in quorbit.6 @ONLY)

# The copyright file carries LICENSE's own words: its copyright line, and its
# terms as a field's continuation lines (indented, blank lines as " .").
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n+(Permission is hereby granted.+)$")
  message(FATAL_ERROR "${PROJECT_SOURCE_DIR}/LICENSE is not the MIT (Expat) licence this package declares")
endif()
set(QUORBIT_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " QUORBIT_LICENCE_TERMS " ${terms}")
configure_file(copyright.in copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# Compressed when the build is configured: configure_file and the changelog
# already make the configuration run again when either changes.
foreach(document IN ITEMS ${CMAKE_CURRENT_BINARY_DIR}/quorbit.6 ${QUORBIT_CHANGELOG})
  cmake_path(GET document FILENAME name)
  execute_process(COMMAND gzip -9nc ${document} OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quorbit.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/copyright
        DESTINATION ${QUORBIT_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorbit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORBIT_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of arrow tiles: find the way across the board to the door")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_SOURCE_DIR}/description.txt)
# The libraries come from what the program links (dpkg-shlibdeps); the fonts
# are the faces the captions are drawn in where the digital face is missing,
# the extra DejaVu faces the bold oblique menu items.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-extra")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
