# SPDX-License-Identifier: GPL-2.0-or-later
# `cpack -G DEB` in the build folder makes lumaroo_VERSION_amd64.deb from what
# `cmake --install` installs. Its dependencies come from the shared libraries
# the programs link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME lumaroo)
set(CPACK_PACKAGE_VENDOR Tavrel)
set(CPACK_PACKAGE_CONTACT "Tavrel <lumaroo@tavrel.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browse, convert and print Outlook data files")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tavrel.com/lumaroo/")
set(CPACK_PACKAGE_INSTALL_DIRECTORY lumaroo)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The mail view's QML page needs these modules at run time; no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, qml6-module-qtwebview, qml6-module-qtwebengine, qt6-webview-plugins, shared-mime-info")
# The extended description under the summary line; CPack indents it.
set(CPACK_PACKAGE_DESCRIPTION "Lumaroo opens Microsoft Outlook personal-folder files (.pst) and offline
folder files (.ost) without Outlook: browse the folder tree, search and sort
the items of a folder and read each mail, contact, appointment, task, note
and journal entry in full.

It converts a whole file to .eml, .vcf, .ics and .txt files in a folder tree
that mirrors the original, hands contacts and appointments to the desktop's
address book and calendar, and prints any item. The lumaroo-cli command does
the same from scripts.")

include(CPack)
