# Layers the build enforces.
#
#   include(VendrelLayers)
#   vendrel_add_layer(<target> [HIDDEN] [DEPENDS <targets...>] [SOURCES <files...>])
#
# Makes a static library of the current folder (all its .cpp/.h/.ui files unless
# SOURCES names them) and gives it an include root in which only this folder is
# visible, under its own name: a file anywhere includes "kit/arrowsmenu.h", and
# that include only resolves for targets that link VendrelKit themselves.
#
# DEPENDS are linked PRIVATE: a layer sees exactly the layers it names, never
# those of its dependencies, so a module that includes a window header, or a
# platform folder that includes a module header, does not compile. HIDDEN builds
# with hidden visibility (the editor library exports only what is marked so).

function(vendrel_add_layer target)
  cmake_parse_arguments(L "HIDDEN" "" "DEPENDS;SOURCES" ${ARGN})
  if(L_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vendrel_add_layer: unexpected arguments: ${L_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT L_SOURCES)
    file(GLOB L_SOURCES CONFIGURE_DEPENDS
         "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
         "${CMAKE_CURRENT_SOURCE_DIR}/*.ui")
  endif()
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)

  set(root "${CMAKE_BINARY_DIR}/include-roots/${target}")
  file(MAKE_DIRECTORY "${root}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)

  add_library(${target} STATIC ${L_SOURCES})
  target_include_directories(${target} PUBLIC "${root}")
  if(L_DEPENDS)
    target_link_libraries(${target} PRIVATE ${L_DEPENDS})
  endif()
  if(L_HIDDEN)
    set_target_properties(${target} PROPERTIES
      CXX_VISIBILITY_PRESET hidden
      VISIBILITY_INLINES_HIDDEN ON)
  endif()
endfunction()
