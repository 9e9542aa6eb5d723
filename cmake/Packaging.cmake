# The Debian package: `cpack -G DEB` in the build folder. It holds only what
# the install rules of the component "zeb" put there (the two programs and
# their data), never a test or a benchmark.

set(ZEB_MAINTAINER "ZEB maintainers <maintainers@users.noreply.c-seed-13edffd4.example>"
    CACHE STRING "Maintainer field of the Debian package")

# The package's version is the program's version and the release of the top
# entry of data/debian/changelog, which the package ships; the two must agree.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/debian/changelog ZEB_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT ZEB_CHANGELOG_HEAD MATCHES "^zeb \\(([^-]+)-([0-9]+)\\) ")
  message(FATAL_ERROR "data/debian/changelog must begin with a line 'zeb (VERSION-RELEASE) ...'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(WARNING "data/debian/changelog begins with version ${CMAKE_MATCH_1}, the program is "
                  "${PROJECT_VERSION}: add an entry for it before packaging")
endif()
set(ZEB_DEBIAN_RELEASE ${CMAKE_MATCH_2})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeb)
set(CPACK_PACKAGE_VENDOR "The ZEB developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZEB_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of a small stored-program computer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZEB simulates a very small computer for introductory computing courses.
Students type a machine-code program into its 80 memory cells, in decimal or
hexadecimal, as codes or as three-letter mnemonics, then run it at an
adjustable speed or step through it while the registers change and the
results appear on ZEB's printer. Teaching views show the clock cycles of
every instruction, logic gates, flip-flops and memory.

The package also holds zeb-run, which runs or marks programs from the
command line, and example programs.")
# Only the component zeb, as one package: without component installation
# CPack would take every install rule, whatever its component.
set(CPACK_COMPONENTS_ALL zeb)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ZEB_DEBIAN_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZEB_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help window's search index is an SQLite database that Qt opens through
# a plug-in no library links to: without it the help does not open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")

include(CPack)
