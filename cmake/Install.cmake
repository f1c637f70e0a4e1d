# cmake --install: the executables in bin/, the parts every user shares in the library and data
# folders (where InstalledFolders.h looks for them), and the desktop's files.
set(share ${CMAKE_INSTALL_DATADIR})

install(TARGETS kiova kiova-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kiova_qtimage_spi LIBRARY DESTINATION ${KIOVA_INSTALL_LIBRARY_DIR}/SPIs)
install(TARGETS kiova_plugin_echo kiova_plugin_dice
        LIBRARY DESTINATION ${KIOVA_INSTALL_LIBRARY_DIR}/plugins)

install(DIRECTORY characters/ DESTINATION ${KIOVA_INSTALL_DATA_DIR}/characters)
install(DIRECTORY data/Help DESTINATION ${KIOVA_INSTALL_DATA_DIR})
install(FILES data/kiova.svg DESTINATION ${KIOVA_INSTALL_DATA_DIR})

# The desktop entry, the icon and the AppStream data are all named by the component id.
install(FILES data/${KIOVA_APP_ID}.desktop DESTINATION ${share}/applications)
install(FILES data/kiova-mime.xml DESTINATION ${share}/mime/packages RENAME kiova.xml)
install(FILES data/${KIOVA_APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
install(FILES data/kiova.svg DESTINATION ${share}/icons/hicolor/scalable/apps
        RENAME ${KIOVA_APP_ID}.svg)
foreach(size IN LISTS KIOVA_ICON_SIZES)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kiova.png
          DESTINATION ${share}/icons/hicolor/${size}x${size}/apps RENAME ${KIOVA_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/man/kiova.1.gz ${CMAKE_BINARY_DIR}/man/kiova-tool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The license and the changelog where Debian keeps them; the lintian overrides say why each
# warning they silence is wrong for this package.
install(FILES data/debian/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${share}/doc/kiova)
install(FILES data/debian/lintian-overrides DESTINATION ${share}/lintian/overrides RENAME kiova)
