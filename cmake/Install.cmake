# Installing the game like any other desktop game, and packing that installation as a .deb.
#
#   cmake --install build --prefix /usr        the program, its menu entry, metainfo and icons
#   cpack -G DEB  (in the build directory)     the same as deslizador_<version>_<arch>.deb
#
# Included from the root CMakeLists.txt after the Deslizador target exists.

include(GNUInstallDirs)

# Qt's project setup would have the installed program look for libraries beside itself; it takes
# them from the system, like every other packaged program.
set_target_properties(Deslizador PROPERTIES INSTALL_RPATH "")

# On Windows the program stands alone at the top of its folder.
if(WIN32)
    install(TARGETS Deslizador RUNTIME DESTINATION .)
else()
    install(TARGETS Deslizador
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)
endif()

if(UNIX AND NOT APPLE)
    # The desktop file's name is the one the program gives Qt (setDesktopFileName), so that
    # desktops match its windows to the menu entry. The metainfo file is named after its
    # component id, which points back to the desktop file.
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/deslizador.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/example.tornel.deslizador.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # The icon in every size tools/make_assets.py draws, one folder a size.
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# Packing.
set(CPACK_PACKAGE_NAME deslizador)
set(CPACK_PACKAGE_VENDOR "Tornel Software")
set(CPACK_PACKAGE_CONTACT "Julián Tornel <julian@tornel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tornel.example/deslizador/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rompecabezas de fichas deslizantes (sliding tile puzzle)")
set(CPACK_PACKAGE_DESCRIPTION
    "Deslizador is the fifteen puzzle: fifteen numbered picture tiles on a board of four by four \
places, one of them empty. A click on a tile next to the empty place slides it there; the game \
mixes the board, counts every click and congratulates the player who puts the tiles back in \
order. The game speaks Spanish.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Deslizador)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (Qt among them) come from dpkg-shlibdeps. Qt's X11 platform
# and image-format plugins, which read the compiled-in pictures, ship in libqt6gui6, which that
# brings in. What the linker cannot see: the fonts the windows are laid out for are needed;
# Qt's own Spanish texts, the opener for web pages and Qt's Wayland platform (for Wayland
# desktops; without it the game runs through XWayland) are wanted but the game runs without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Windows: Deslizador-1.0-win64.zip, a folder of that name with Deslizador.exe in it.
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME
        "Deslizador-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}-win64")
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()

include(CPack)
