# cpack -G DEB: one package "kiova" of everything cmake --install lays out, under /usr
# whatever the build's own prefix (the executables find the shared folders relative to
# themselves). Library dependencies are computed by dpkg-shlibdeps; the desktop, MIME and icon
# caches are refreshed by the triggers of the packages that own those caches, so the package
# needs no maintainer scripts. scripts/build.sh --package builds with Debian's hardening flags.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kiova)
set(CPACK_PACKAGE_VENDOR "The Kiova team")
set(CPACK_PACKAGE_CONTACT "The Kiova team <kiova@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kiova.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chat with a character who lives on your desktop")
# Lines of the long description stay within 80 columns, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION "A character sits in a small window on the desktop and chats with
the user in a speech balloon, changing her face and playing sounds as she
answers. Character folders made on Windows (Shift_JIS) run unchanged.

The demo character Hina comes with the program in Japanese and in English,
and kiova-tool helps character authors check and test their characters.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A desktop program, not a game: Debian keeps games in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The balloon needs a Japanese font; documents and addresses open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, xdg-utils")
include(CPack)
