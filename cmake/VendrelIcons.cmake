# Compiled-in PNG icons drawn as SVG sources.
#
#   include(VendrelIcons)
#   vendrel_add_png_resources(
#     TARGET     <target>          # library or program that gets the resources
#     NAME       <resource-name>   # gives <resource-name>.qrc and the function
#                                  # qInitResources_<resource-name>()
#     PREFIX     <qrc-prefix>      # e.g. "/" or "/Common/Icons"
#     SOURCE_DIR <dir>             # where the sources lie (relative to the
#                                  # current source dir, or absolute)
#     ICONS <source.svg:WxH:alias.png> ...
#                                  # render source.svg at W x H pixels (aspect
#                                  # kept, centred, transparent around it) and
#                                  # list it as <prefix>/<alias.png>
#     FILES <source:alias> ...     # optional: files taken unchanged, e.g.
#                                  # SVGs that the program draws itself
#   )
#
# Example: PREFIX "/" with the icon "icons/new.svg:40x40:FileMenu/FileMenuIcons/new.png"
# makes the picture ":/FileMenu/FileMenuIcons/new.png".
#
# The PNGs are rendered at build time by vendrel-svgtopng (tools/svgtopng) into
# <binary dir>/<resource-name>_png/ and are rebuilt when their source changes.
# The .qrc is written into the current binary dir and compiled with
# qt5_add_resources. Call the function in the folder that defines TARGET, so
# that the render steps and the target share one directory.
#
# A resource in a static library is only linked when something refers to it:
# either call qInitResources_<resource-name>() (or Q_INIT_RESOURCE) from code
# that is always used, or from the program at start-up.

function(vendrel_add_png_resources)
  cmake_parse_arguments(R "" "TARGET;NAME;PREFIX;SOURCE_DIR" "ICONS;FILES" ${ARGN})
  foreach(required TARGET NAME PREFIX SOURCE_DIR)
    if(NOT R_${required})
      message(FATAL_ERROR "vendrel_add_png_resources: ${required} is required")
    endif()
  endforeach()
  if(NOT TARGET ${R_TARGET})
    message(FATAL_ERROR "vendrel_add_png_resources: no target named ${R_TARGET}")
  endif()
  if(NOT R_NAME MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR
      "vendrel_add_png_resources: NAME '${R_NAME}' must be a C identifier "
      "(it names qInitResources_${R_NAME})")
  endif()
  if(R_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR
      "vendrel_add_png_resources: unexpected arguments: ${R_UNPARSED_ARGUMENTS}")
  endif()

  get_filename_component(source_dir "${R_SOURCE_DIR}" ABSOLUTE
                         BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  set(png_dir "${CMAKE_CURRENT_BINARY_DIR}/${R_NAME}_png")
  set(qrc_entries "")
  set(aliases "")

  foreach(icon IN LISTS R_ICONS)
    if(NOT icon MATCHES "^([^:]+):([0-9]+)x([0-9]+):([^:]+)$")
      message(FATAL_ERROR
        "vendrel_add_png_resources: '${icon}' is not <source.svg:WxH:alias.png>")
    endif()
    set(svg "${source_dir}/${CMAKE_MATCH_1}")
    set(width "${CMAKE_MATCH_2}")
    set(height "${CMAKE_MATCH_3}")
    set(alias "${CMAKE_MATCH_4}")
    if(NOT EXISTS "${svg}")
      message(FATAL_ERROR "vendrel_add_png_resources: missing source ${svg}")
    endif()
    if(alias IN_LIST aliases)
      message(FATAL_ERROR "vendrel_add_png_resources: alias ${alias} listed twice")
    endif()
    list(APPEND aliases "${alias}")

    set(png "${png_dir}/${alias}")
    get_filename_component(png_parent "${png}" DIRECTORY)
    add_custom_command(
      OUTPUT "${png}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${png_parent}"
      COMMAND vendrel-svgtopng "${svg}" "${png}" ${width} ${height}
      DEPENDS vendrel-svgtopng "${svg}"
      COMMENT "Rendering ${alias} (${width}x${height})"
      VERBATIM)
    string(APPEND qrc_entries "    <file alias=\"${alias}\">${png}</file>\n")
  endforeach()

  foreach(file IN LISTS R_FILES)
    if(NOT file MATCHES "^([^:]+):([^:]+)$")
      message(FATAL_ERROR "vendrel_add_png_resources: '${file}' is not <source:alias>")
    endif()
    set(source "${source_dir}/${CMAKE_MATCH_1}")
    set(alias "${CMAKE_MATCH_2}")
    if(NOT EXISTS "${source}")
      message(FATAL_ERROR "vendrel_add_png_resources: missing source ${source}")
    endif()
    if(alias IN_LIST aliases)
      message(FATAL_ERROR "vendrel_add_png_resources: alias ${alias} listed twice")
    endif()
    list(APPEND aliases "${alias}")
    string(APPEND qrc_entries "    <file alias=\"${alias}\">${source}</file>\n")
  endforeach()

  if(NOT aliases)
    message(FATAL_ERROR "vendrel_add_png_resources: neither ICONS nor FILES given")
  endif()

  # Written at configure time so that qt5_add_resources can read the file list
  # and make the compiled resource depend on every rendered PNG. Copying only
  # on change keeps a re-configure from rebuilding the resource.
  set(qrc "${CMAKE_CURRENT_BINARY_DIR}/${R_NAME}.qrc")
  file(WRITE "${qrc}.in"
       "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"${R_PREFIX}\">\n"
       "${qrc_entries}  </qresource>\n</RCC>\n")
  configure_file("${qrc}.in" "${qrc}" COPYONLY)

  qt5_add_resources(rcc_sources "${qrc}")
  target_sources(${R_TARGET} PRIVATE ${rcc_sources})
endfunction()
