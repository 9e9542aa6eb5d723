# Parts of zeb kept in libraries of their own, loaded the first time they are
# needed (ui::ModuleLibrary): help, sound and printing link Qt libraries a
# session may never use; the teaching windows' code would be resident at
# every start. They are installed in a private folder of the
# library folder and found from the programs' folder; the build tree has the
# same folder at its top, one or two levels above the programs and tests, as
# it has the help's share/zeb.
# A folder below the private one: ldconfig has no business with modules.
set(ZEB_MODULE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/zeb/modules)
set(ZEB_MODULES_IN_BUILD_TREE ${PROJECT_BINARY_DIR}/${ZEB_MODULE_INSTALL_DIR})
file(RELATIVE_PATH ZEB_MODULES_FROM_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/zeb/modules)

# zeb_add_module(NAME SOURCES ... LIBRARIES ...): the module exports only its
# factory; the static libraries it takes in stay its own.
function(zeb_add_module name)
  cmake_parse_arguments(ZEB_MODULE "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${name} MODULE ${ZEB_MODULE_SOURCES})
  target_link_libraries(${name} PRIVATE ${ZEB_MODULE_LIBRARIES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
  set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ZEB_MODULES_IN_BUILD_TREE}
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  install(TARGETS ${name} LIBRARY DESTINATION ${ZEB_MODULE_INSTALL_DIR} COMPONENT zeb)
  set_property(GLOBAL APPEND PROPERTY ZEB_MODULES ${name})
endfunction()
