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

install(FILES data/kiova.desktop DESTINATION ${share}/applications)
install(FILES data/kiova-mime.xml DESTINATION ${share}/mime/packages RENAME kiova.xml)
install(FILES data/org.example.kiova.metainfo.xml DESTINATION ${share}/metainfo)
install(FILES data/kiova.svg DESTINATION ${share}/icons/hicolor/scalable/apps)
foreach(size IN LISTS KIOVA_ICON_SIZES)
  install(FILES ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kiova.png
          DESTINATION ${share}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/man/kiova.1.gz ${CMAKE_BINARY_DIR}/man/kiova-tool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
