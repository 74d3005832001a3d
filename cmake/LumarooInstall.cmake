# SPDX-License-Identifier: GPL-2.0-or-later
# Everything `cmake --install` puts on a system: the two programs, the
# desktop entry, the AppStream data, the file type, the icons, the manual
# pages, the user guide and the licence.
include(GNUInstallDirs)

set(LUMAROO_APP_ID com.tavrel.Lumaroo)
set(lumaroo_resources ${CMAKE_SOURCE_DIR}/resources)
set(lumaroo_docdir ${CMAKE_INSTALL_DATADIR}/doc/lumaroo)

install(TARGETS lumaroo lumaroo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${lumaroo_resources}/desktop/${LUMAROO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${lumaroo_resources}/desktop/${LUMAROO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${lumaroo_resources}/desktop/${LUMAROO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${LUMAROO_APP_ID}.xml)
install(DIRECTORY ${lumaroo_resources}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${lumaroo_resources}/svg/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${LUMAROO_APP_ID}.svg)

# Manual pages: written in scdoc, installed compressed as Debian wants them.
find_program(SCDOC scdoc REQUIRED)
find_program(GZIP gzip REQUIRED)
set(lumaroo_man_pages)
foreach(page lumaroo lumaroo-cli)
    set(source ${CMAKE_SOURCE_DIR}/docs/man/${page}.1.scd)
    set(output ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND sh -c "'${SCDOC}' < '${source}' | '${GZIP}' -9n > '${output}'"
        DEPENDS ${source}
        COMMENT "Manual page ${page}(1)"
        VERBATIM)
    list(APPEND lumaroo_man_pages ${output})
endforeach()
add_custom_target(lumaroo_man ALL DEPENDS ${lumaroo_man_pages})
install(FILES ${lumaroo_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The user guide, the licence and the notices; Debian's copyright file and
# changelog beside them.
install(FILES ${CMAKE_SOURCE_DIR}/docs/user-guide.md ${lumaroo_resources}/licences/notices.html
        DESTINATION ${lumaroo_docdir})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${lumaroo_docdir})
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright DESTINATION ${lumaroo_docdir})
set(lumaroo_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${lumaroo_changelog}
    COMMAND sh -c "'${GZIP}' -9n < '${CMAKE_SOURCE_DIR}/cmake/debian/changelog' > '${lumaroo_changelog}'"
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog
    VERBATIM)
add_custom_target(lumaroo_changelog ALL DEPENDS ${lumaroo_changelog})
install(FILES ${lumaroo_changelog} DESTINATION ${lumaroo_docdir})

# Findings lintian makes in error about the package (reasons in the file).
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lumaroo)
