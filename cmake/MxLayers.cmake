# mx_layer(NAME DIRS folder... [EXCLUDE folder...] DEPS target... [PRIVATE_DEPS target...]): the library
# mx<NAME> (alias mxcalc::<NAME>) built from every source file in the folders. Its headers
# are found as "<folder>/<file>.h" through a staging folder that holds only this layer's
# folders, so a layer sees its own headers and those of the layers it links, never those
# above it. Sources under an EXCLUDE folder belong to another library.
function(mx_layer name)
  cmake_parse_arguments(ARG "" "" "DIRS;EXCLUDE;DEPS;PRIVATE_DEPS" ${ARGN})
  mx_staging(staging ${name} ${ARG_DIRS})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  foreach(dir ${ARG_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${dir}/")
  endforeach()
  add_library(mx${name} STATIC ${sources})
  add_library(mxcalc::${name} ALIAS mx${name})
  set_target_properties(mx${name} PROPERTIES EXPORT_NAME ${name} POSITION_INDEPENDENT_CODE ON)
  target_include_directories(mx${name} PUBLIC $<BUILD_INTERFACE:${staging}> $<INSTALL_INTERFACE:include/mxcalc>)
  target_link_libraries(mx${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  set_property(GLOBAL APPEND PROPERTY MX_LAYER_DIRS ${ARG_DIRS})
endfunction()

# mx_staging(VAR NAME folder...): a folder in the build holding links to the source folders,
# named VAR's value; put on an include path it makes exactly those folders' headers visible.
function(mx_staging var name)
  set(staging ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${staging})
  foreach(dir ${ARGN})
    get_filename_component(parent ${staging}/${dir} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dir} ${staging}/${dir} SYMBOLIC)
  endforeach()
  set(${var} ${staging} PARENT_SCOPE)
endfunction()
