# Installs the layers' libraries and public headers (under include/mxcalc/, with the
# source tree's relative paths), a CMake package (find_package(mxcalc CONFIG), targets
# mxcalc::platform, mxcalc::settings, mxcalc::engine, mxcalc::keyboard) and a pkg-config file for the engine.
# Headers that declare only internal names are listed in cmake/MxInternalHeaders.txt and
# stay out.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS mxplatform mxsettings mxengine mxkeyboard EXPORT mxcalcTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS mxcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(STRINGS ${CMAKE_SOURCE_DIR}/cmake/MxInternalHeaders.txt MX_INTERNAL_HEADERS REGEX "^[^#]")
get_property(layer_dirs GLOBAL PROPERTY MX_LAYER_DIRS)
set(headers)
foreach(dir ${layer_dirs})
  file(GLOB_RECURSE found RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(APPEND headers ${found})
endforeach()
list(REMOVE_DUPLICATES headers)
list(REMOVE_ITEM headers ${MX_INTERNAL_HEADERS})
foreach(header ${headers})
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/mxcalc/${folder})
endforeach()

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/mxcalc)
install(EXPORT mxcalcTargets NAMESPACE mxcalc:: DESTINATION ${package_dir})
configure_package_config_file(cmake/mxcalcConfig.cmake.in ${CMAKE_BINARY_DIR}/mxcalcConfig.cmake
  INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/mxcalcConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/mxcalcConfig.cmake ${CMAKE_BINARY_DIR}/mxcalcConfigVersion.cmake
  DESTINATION ${package_dir})

configure_file(cmake/mxcalc.pc.in ${CMAKE_BINARY_DIR}/mxcalc.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/mxcalc.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
