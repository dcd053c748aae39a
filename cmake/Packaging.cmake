# Installing Scrivlette as a Linux desktop program, and the Debian package
# that carries the same files: the three programs, the desktop entry, the
# icon in the hicolor theme, the clipping file types for shared-mime-info,
# the thumbnailer entry file managers read, the AppStream metainfo and the
# man pages.
include(GNUInstallDirs)

set(SCRIVLETTE_ID io.github.scrivlette.Scrivlette)
install(TARGETS scrivlette scrivlette-cli scrivlette-thumbnailer
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/scrivlette.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES resources/${SCRIVLETTE_ID}.desktop resources/io.github.scrivlette.WebLocation.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icons/${SCRIVLETTE_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/${SCRIVLETTE_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# D-Bus starts the program when the desktop activates its entry; the file
# names the program where this install puts it (a package's /usr, not the
# build's prefix), so it is written at install time.
install(CODE "
    set(service \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\")
    file(MAKE_DIRECTORY \"\${service}\")
    file(WRITE \"\${service}/${SCRIVLETTE_ID}.service\" \"[D-BUS Service]
Name=${SCRIVLETTE_ID}
Exec=\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/scrivlette --gapplication-service
\")")
install(FILES resources/${SCRIVLETTE_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages come from the programs' own --help and --version, so they never
# say other than the programs do.
find_program(HELP2MAN help2man)
if(HELP2MAN)
    set(manuals)
    foreach(program scrivlette scrivlette-cli scrivlette-thumbnailer)
        if(program STREQUAL "scrivlette")
            set(summary "see what macOS clipping and location files hold")
        elseif(program STREQUAL "scrivlette-cli")
            set(summary "read macOS clipping and location files from a terminal")
        else()
            set(summary "thumbnails of macOS clipping and location files for file managers")
        endif()
        set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
        add_custom_command(
            OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            # Sanitizer builds must not fail the page on a leak report at exit;
            # the page is English whatever language the build runs in.
            COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE LC_ALL=C ASAN_OPTIONS=detect_leaks=0
                    QT_QPA_PLATFORM=offscreen
                    ${HELP2MAN} --no-info --no-discard-stderr --section=1
                    "--name=${summary}" --output=${page} $<TARGET_FILE:${program}>
            COMMAND gzip -9nf ${page}
            DEPENDS ${program}
            COMMENT "Writing the man page of ${program}"
            VERBATIM)
        list(APPEND manuals ${page}.gz)
    endforeach()
    add_custom_target(manuals ALL DEPENDS ${manuals})
    install(FILES ${manuals} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(WARNING "help2man not found: no man pages will be installed")
endif()

# What Debian asks of every package: the copyright in its machine-readable
# form and the changelog, compressed as dpkg expects.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
                   COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/resources/debian/changelog > ${changelog}
                   DEPENDS resources/debian/changelog VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES resources/debian/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/scrivlette)

# Desktop search. KDE's file indexer runs the external extractors in one
# fixed folder (Debian's /usr/lib/ARCH/libexec/kf5/...), each a manifest and
# a program; ours hands the request to scrivlette-cli. Recoll's lines are
# for users to add to their own configuration.
set(SCRIVLETTE_KFILEMETADATA_DIR
    lib/${CMAKE_LIBRARY_ARCHITECTURE}/libexec/kf5/kfilemetadata/externalextractors/scrivlette)
install(FILES resources/kfilemetadata/manifest.json DESTINATION ${SCRIVLETTE_KFILEMETADATA_DIR})
install(CODE "
    set(extractor \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SCRIVLETTE_KFILEMETADATA_DIR}\")
    file(MAKE_DIRECTORY \"\${extractor}\")
    file(WRITE \"\${extractor}/main\" \"#!/bin/sh
exec '\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/scrivlette-cli' kfilemetadata
\")
    file(CHMOD \"\${extractor}/main\" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)")
install(FILES resources/recoll/mimemap resources/recoll/mimeconf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/scrivlette/recoll)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scrivlette)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT
    "The Scrivlette developers <maintainers@users.noreply.c-seed-9dbb5f36.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "see what macOS clipping and location files hold")
set(CPACK_PACKAGE_DESCRIPTION
    "Scrivlette opens the clipping files that the macOS Finder makes
(textClipping and pictClipping files) and its internet locations (webloc and
mailloc files), and shows every representation they hold: plain and rich
text, HTML, web archives, pictures. Text can be copied or dragged out, and
any representation written to a file. A command-line tool, scrivlette-cli,
reads the same files from a terminal; file managers show their thumbnails.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Runtime dependencies are read off the binaries, never kept by hand, but for
# the one that no binary links: Qt loads the SVG plugin that draws the icons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The words of the file dialogs and message boxes in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
