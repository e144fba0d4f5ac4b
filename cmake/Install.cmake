# Installs Tessel as a desktop program (programs, desktop entry, icons, MIME
# types, AppStream metainfo, man pages) and packages it as a .deb with CPack:
#   cmake --install build --prefix /usr/local
#   cd build && cpack            # tessel_<version>_<arch>.deb
include(GNUInstallDirs)

set(TESSEL_APP_ID org.orvane.Tessel)
set(TESSEL_HOMEPAGE "https://example.org/tessel" CACHE STRING
    "The project's web address, named in the metainfo and the package")
set(TESSEL_MAINTAINER "Tessel maintainers <tessel@example.org>" CACHE STRING
    "Maintainer of the .deb package")

set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(generated ${PROJECT_BINARY_DIR}/install)

install(TARGETS tessel tessel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${desktop}/${TESSEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${TESSEL_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TESSEL_APP_ID}.xml)
configure_file(${desktop}/${TESSEL_APP_ID}.metainfo.xml.in
               ${generated}/${TESSEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${TESSEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The program icon, drawn as SVG and rendered to the usual sizes beside it.
set(icons ${PROJECT_SOURCE_DIR}/resources/icons)
install(FILES ${icons}/tessel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TESSEL_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${icons}/tessel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TESSEL_APP_ID}.png)
endforeach()

# Man pages, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(manPages "")
foreach(page tessel tessel-cli)
    configure_file(${desktop}/${page}.1 ${generated}/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${generated}/${page}.1.gz
        COMMAND ${GZIP_PROGRAM} -9nf -k ${generated}/${page}.1
        DEPENDS ${generated}/${page}.1
        COMMENT "Compressing the ${page} man page"
        VERBATIM)
    list(APPEND manPages ${generated}/${page}.1.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${manPages})
install(FILES ${manPages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's copyright and changelog.
configure_file(${desktop}/copyright ${generated}/copyright @ONLY)
configure_file(${desktop}/changelog ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9nf -k ${generated}/changelog
    DEPENDS ${generated}/changelog
    VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${generated}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessel)

# The .deb: dependencies are found from the shared libraries the programs use.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TESSEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "results processor for a bowls team's season")
# CPack puts the summary first and indents these lines; an empty line ends a paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tessel keeps the season of one bowls team in one league division: the
fixtures and, for every team position of every fixture, the game played. It
scores every fixture by the league's own rules (88 built-in presets), keeps
each player's record and ranking figure, shows the season as one results
grid, prints it, and publishes it as a web page.

tessel-cli writes reports, printouts and web pages without a display.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
