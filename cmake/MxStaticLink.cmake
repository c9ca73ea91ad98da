# A program passed to mx_link_static gets ICU and SQLite as static archives (mxcalc: a
# process per calculation starts fastest without the dynamic loader's work on them); every
# other program, and every user of the installed libraries, links them dynamically.
find_library(MX_ICU_I18N_ARCHIVE libicui18n.a)
find_library(MX_ICU_UC_ARCHIVE libicuuc.a)
find_library(MX_ICU_DATA_ARCHIVE libicudata.a)
find_library(MX_SQLITE_ARCHIVE libsqlite3.a)
set(MX_ICU_DEPS PkgConfig::ICU)
set(MX_SQLITE_DEPS SQLite::SQLite3)
if(MX_ICU_I18N_ARCHIVE AND MX_ICU_UC_ARCHIVE AND MX_ICU_DATA_ARCHIVE AND MX_SQLITE_ARCHIVE
   AND NOT MX_SANITIZE AND NOT MX_BUILD_FUZZ)
  set(MX_STATIC_AVAILABLE ON)
  set(static "$<BOOL:$<TARGET_PROPERTY:MX_STATIC_LINK>>")
  set(MX_ICU_DEPS
    "$<BUILD_INTERFACE:$<$<NOT:${static}>:PkgConfig::ICU>>"
    "$<BUILD_INTERFACE:$<${static}:${MX_ICU_I18N_ARCHIVE}>>"
    "$<BUILD_INTERFACE:$<${static}:${MX_ICU_UC_ARCHIVE}>>"
    "$<BUILD_INTERFACE:$<${static}:${MX_ICU_DATA_ARCHIVE}>>"
    "$<INSTALL_INTERFACE:PkgConfig::ICU>")
  set(MX_SQLITE_DEPS
    "$<BUILD_INTERFACE:$<$<NOT:${static}>:SQLite::SQLite3>>"
    "$<BUILD_INTERFACE:$<${static}:${MX_SQLITE_ARCHIVE}>>"
    "$<BUILD_INTERFACE:$<${static}:${CMAKE_DL_LIBS}>>"
    "$<INSTALL_INTERFACE:SQLite::SQLite3>")
endif()

# Its calls of the dynamic loader go to cli/static/ instead of the C library's, which
# cannot work in a static program (and which glibc warns of at every such link).
function(mx_link_static target)
  if(MX_STATIC_AVAILABLE)
    set_target_properties(${target} PROPERTIES MX_STATIC_LINK ON)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cli/static/StaticDynamicLoading.cpp)
    target_link_options(${target} PRIVATE -static -Wl,--gc-sections
      -Wl,--wrap=dlopen,--wrap=dlsym,--wrap=dlclose,--wrap=dlerror)
  endif()
endfunction()
