# What a desktop install needs beyond the executables: the icon in every size, the man pages
# made from README.md, the compressed changelog, and the help page and portable marker in the
# build's program folder.

find_program(KIOVA_RSVG_CONVERT rsvg-convert)
if(NOT KIOVA_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert (Debian package librsvg2-bin) draws the icon; scripts/setup.sh installs it")
endif()
find_program(KIOVA_GZIP gzip REQUIRED)

set(KIOVA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_svg ${PROJECT_SOURCE_DIR}/data/kiova.svg)
set(icon_files "")
foreach(size IN LISTS KIOVA_ICON_SIZES)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kiova.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${KIOVA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND icon_files ${png})
endforeach()

set(man_files "")
foreach(page kiova kiova-tool)
  set(roff ${CMAKE_BINARY_DIR}/man/${page}.1)
  add_custom_command(OUTPUT ${roff}.gz
    COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md
            -DTEMPLATE=${PROJECT_SOURCE_DIR}/data/man/${page}.1.in -DOUTPUT=${roff}
            -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    COMMAND ${KIOVA_GZIP} -9nf ${roff}
    DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/data/man/${page}.1.in
            ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
    VERBATIM)
  list(APPEND man_files ${roff}.gz)
endforeach()

set(changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
  COMMAND ${KIOVA_GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)

add_custom_target(kiova_desktop_files ALL DEPENDS ${icon_files} ${man_files} ${changelog})

# The build's program folder is a portable one, with the demo characters and the help pages.
add_custom_target(kiova_program_files ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/characters ${KIOVA_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data/Help ${KIOVA_PROGRAM_DIR}/Help
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/Kiova.portable ${KIOVA_PROGRAM_DIR}
  COMMENT "Laying out the portable program folder")
