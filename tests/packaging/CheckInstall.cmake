# Installs the build in BUILD_DIR into PREFIX as `cmake --install` does for a
# package, checks the installed files and runs an installed example with the
# installed zeb-run. GUI says whether the Qt application was built.

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --strip
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${log}")
endif()

set(expected
  bin/zeb-run
  share/applications/zeb.desktop
  share/mime/packages/zeb.xml
  share/icons/hicolor/scalable/apps/zeb.svg
  share/metainfo/${APPSTREAM_ID}.metainfo.xml
  share/man/man1/zeb.1.gz
  share/man/man1/zeb-run.1.gz
  share/man/man1/zeb-guide.1.gz
  share/doc/zeb/copyright
  share/doc/zeb/changelog.Debian.gz
  share/zeb/examples/README.md)
if(GUI)
  list(APPEND expected bin/zeb bin/zeb-guide share/zeb/step.wav share/zeb/honk.wav share/zeb/help/zeb.qch
       share/zeb/help/zeb.qhc)
  # Help, sound, printing and the teaching windows, loaded when first used.
  foreach(module help sound print teaching)
    list(APPEND expected ${MODULE_DIR}/libzeb_${module}_module.so)
  endforeach()
endif()
file(GLOB examples RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/examples/*.ZEB)
foreach(example ${examples})
  list(APPEND expected share/zeb/${example})
endforeach()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
set(problems)
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND problems "missing: ${file}")
  endif()
endforeach()
# Nothing else: no tests, benchmarks, libraries or headers.
foreach(file ${installed})
  list(FIND expected ${file} at)
  if(at LESS 0)
    list(APPEND problems "not expected: ${file}")
  endif()
endforeach()

# The programs find everything relative to where they are, never through a
# path of the build.
foreach(program zeb zeb-run zeb-guide)
  if(NOT EXISTS ${PREFIX}/bin/${program})
    continue()
  endif()
  file(READ_ELF ${PREFIX}/bin/${program} RPATH rpath RUNPATH runpath)
  if(rpath OR runpath)
    list(APPEND problems "bin/${program} has a library search path: ${rpath}${runpath}")
  endif()
  file(STRINGS ${PREFIX}/bin/${program} texts)
  foreach(text IN LISTS texts)
    foreach(tree ${BUILD_DIR} ${SOURCE_DIR})
      string(FIND "${text}" "${tree}" at)
      if(at GREATER_EQUAL 0)
        list(APPEND problems "bin/${program} holds the path ${tree}")
        break()
      endif()
    endforeach()
  endforeach()
endforeach()

# The installed runner runs the installed counting loop as the source one does.
execute_process(COMMAND ${PREFIX}/bin/zeb-run ${PREFIX}/share/zeb/examples/COUNT.ZEB
  OUTPUT_VARIABLE output RESULT_VARIABLE status)
file(READ ${SOURCE_DIR}/examples/expected/COUNT.out expected_output)
if(NOT status EQUAL 0 OR NOT output STREQUAL expected_output)
  list(APPEND problems "installed zeb-run on COUNT.ZEB exited ${status} with:\n${output}")
endif()

# Schools may copy and share it: the package and the source give the MIT terms.
file(READ ${PREFIX}/share/doc/zeb/copyright copyright)
file(READ ${SOURCE_DIR}/LICENSE licence)
if(NOT copyright MATCHES "\nLicense: Expat\n" OR copyright MATCHES "TBD")
  list(APPEND problems "share/doc/zeb/copyright does not grant the MIT (Expat) licence")
endif()
if(NOT licence MATCHES "^MIT License\n\nCopyright \\(c\\) [0-9]+ The ZEB developers\n")
  list(APPEND problems "LICENSE is not the MIT licence of the ZEB developers")
endif()
# The help opens its index through Qt's SQLite plug-in, which no library
# links: the package must name it.
if(GUI)
  include(${BUILD_DIR}/CPackConfig.cmake)
  if(NOT CPACK_DEBIAN_PACKAGE_DEPENDS MATCHES "(^|, *)libqt6sql6-sqlite($|[ ,])")
    list(APPEND problems "the package does not depend on libqt6sql6-sqlite")
  endif()
endif()

if(problems)
  list(REMOVE_DUPLICATES problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "${text}")
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed as expected")
file(REMOVE_RECURSE ${PREFIX})
