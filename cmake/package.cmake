# What a system install carries besides the programs and the library: a man page per
# program (section 6, games; compressed as Debian keeps them) and the license. Then
# the Debian package of the whole install (`make deb`: cpack -G DEB in the build).
set(man_pages "")
foreach(page tulvo pbrain-tulvo tulvo-analyze tulvo-arena)
  configure_file(man/${page}.6 ${PROJECT_BINARY_DIR}/man/${page}.6 @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.6.gz
    COMMAND gzip -9nfk ${page}.6
    DEPENDS ${PROJECT_BINARY_DIR}/man/${page}.6
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/man)
  list(APPEND man_pages ${PROJECT_BINARY_DIR}/man/${page}.6.gz)
endforeach()
add_custom_target(tulvo_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION share/man/man6)
install(FILES LICENSE DESTINATION share/doc/tulvo RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tulvo)
set(CPACK_PACKAGE_VENDOR "the tulvo authors")
set(CPACK_PACKAGE_CONTACT "the tulvo authors")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Gomoku (five in a row) move generator
tulvo chooses moves for Gomoku on boards of up to 20 x 20, at seven levels
from 0 (weakest) to 6. It is exact: the same position, level and clock give
the same move on every machine.

This package holds the file-protocol program tulvo, the pipe-protocol program
pbrain-tulvo, the analysis tool tulvo-analyze and the match runner
tulvo-arena, and the engine as a library (libtulvo, shared and static) with
its C header, CMake package and pkg-config file.")
# Dependencies from the binaries (dpkg-shlibdeps), and a shlibs file for libtulvo.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
