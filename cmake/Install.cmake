# Installing the game like any other desktop game, and packing that installation as a .deb, or
# on Windows as a zip and an installer.
#
#   cmake --install build --prefix /usr        the command, its manual pages, menu entry,
#                                              metainfo, icons, changelog and copyright
#   cpack -G DEB  (in the build directory)     the same as deslizador_<version>_<arch>.deb
#
# Included from the root CMakeLists.txt after the Deslizador target exists.

include(GNUInstallDirs)

# Qt's project setup would have the installed program look for libraries beside itself; it takes
# them from the system, like every other packaged program.
set_target_properties(Deslizador PROPERTIES INSTALL_RPATH "")

# On Windows the program stands alone at the top of its folder, as Deslizador.exe. On Linux it is
# installed as Debian installs its games: a lowercase command in /usr/games with a manual page in
# section 6. The build tree keeps the program's own name (build/ui/Deslizador); only the
# installed copy is renamed, after install() has stripped it where asked to.
if(WIN32)
    install(TARGETS Deslizador RUNTIME DESTINATION .)
else()
    set(DESLIZADOR_INSTALL_GAMESDIR games CACHE STRING
        "Where the command deslizador is installed, relative to the prefix")
    install(TARGETS Deslizador RUNTIME DESTINATION ${DESLIZADOR_INSTALL_GAMESDIR}
        BUNDLE DESTINATION .)
    install(CODE "
        set(dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${DESLIZADOR_INSTALL_GAMESDIR}\")
        file(RENAME \"\${dir}/Deslizador\" \"\${dir}/deslizador\")
        # Stripped as Debian strips: the compiler's notes go too.
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                --remove-section=.note \"\${dir}/deslizador\" COMMAND_ERROR_IS_FATAL ANY)
        endif()
        message(STATUS \"Renamed: \${dir}/deslizador\")")
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

    # The manual pages (English, and Spanish under es) and the changelog, compressed as Debian
    # wants them: gzip -9 without the name and time stamp, so that a build makes the same bytes.
    set(gzipped)
    foreach(pair IN ITEMS "man/deslizador.6:man6/deslizador.6.gz"
            "man/deslizador.es.6:es/man6/deslizador.6.gz" "changelog:changelog.gz")
        string(REPLACE ":" ";" pair "${pair}")
        list(GET pair 0 from)
        list(GET pair 1 to)
        set(to ${CMAKE_CURRENT_BINARY_DIR}/packaging/${to})
        get_filename_component(folder ${to} DIRECTORY)
        add_custom_command(OUTPUT ${to}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${from} > ${to}
            DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${from} VERBATIM)
        list(APPEND gzipped ${to})
    endforeach()
    add_custom_target(deslizador_packaging ALL DEPENDS ${gzipped})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/man6/deslizador.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/es/man6/deslizador.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man6)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/deslizador)
endif()

# Packing.
set(CPACK_PACKAGE_NAME deslizador)
set(CPACK_PACKAGE_VENDOR "Tornel Software")
set(CPACK_PACKAGE_CONTACT "Julián Tornel <julian@tornel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tornel.example/deslizador/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sliding tile puzzle with fifteen picture tiles")
# Lines as the package's description shows them, within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Deslizador is the fifteen puzzle: fifteen numbered picture tiles on a board"
    "of four by four places over a photograph, one place empty. A click on a tile"
    "next to the empty place slides it there. The game mixes the board, counts"
    "every click and congratulates the player who puts the tiles back in order."
    ""
    "The game speaks Spanish. It can be played with the keyboard alone and with a"
    "screen reader, on X11 and Wayland desktops.")
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

# Windows: Deslizador-1.0-win64.zip, a folder of that name with Deslizador.exe in it, and beside
# it Deslizador-1.0-win64-setup.exe, the installer made with NSIS from packaging/windows/.
if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_FILE_NAME
        "Deslizador-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}-win64")
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Deslizador)
    set(CPACK_NSIS_DISPLAY_NAME Deslizador)
    # What the player reads, as on the splash: "Versión 1.0".
    set(CPACK_NSIS_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/icono.ico)
    set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
endif()

include(CPack)
