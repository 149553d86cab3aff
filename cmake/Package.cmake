# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB (from the build folder): a Debian package that installs to /usr.

# The Debian copyright file comes from the licence the tree carries.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE TL_LICENSE_TEXT LIMIT 200)
if(NOT TL_LICENSE_TEXT MATCHES "GNU GENERAL PUBLIC LICENSE[ \n]+Version 3")
    message(FATAL_ERROR "LICENSE is not the GNU GPL version 3")
endif()
set(LICENSE_TITLE "GNU GENERAL PUBLIC LICENSE Version 3")
set(TL_DEB_DIR ${PROJECT_BINARY_DIR}/debian-files)
configure_file(${PROJECT_SOURCE_DIR}/res/debian/copyright.in ${TL_DEB_DIR}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/res/debian/changelog.in ${TL_DEB_DIR}/changelog @ONLY)

find_program(TL_GZIP gzip REQUIRED)
# Debian wants both compressed with maximum compression and no time stamp.
set(TL_GZIPPED)
foreach(src IN ITEMS ${TL_DEB_DIR}/changelog ${TL_MAN_PAGES})
    get_filename_component(name ${src} NAME)
    if(name STREQUAL "changelog")
        set(name changelog.Debian)
    endif()
    set(out ${TL_DEB_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${TL_GZIP} -9nc ${src} > ${out}
        DEPENDS ${src} VERBATIM)
    list(APPEND TL_GZIPPED ${out})
endforeach()
add_custom_target(deb_files ALL DEPENDS ${TL_GZIPPED})

install(FILES ${TL_DEB_DIR}/copyright ${TL_DEB_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
foreach(page IN LISTS TL_MAN_PAGES)
    get_filename_component(name ${page} NAME)
    string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${name})
    install(FILES ${TL_DEB_DIR}/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tonalink)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR QUILLFERN)
set(CPACK_PACKAGE_CONTACT "QUILLFERN <tonalink@quillfern.jp>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION comm)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillfern.jp/tonalink/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "multimon-ng")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "send text messages to pagers over a telephone line")
# CPack puts the summary first and indents every line of this.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tonalink turns a short text message into the digit codes of a pager type,
cuts it into parts and places one timed call per part through a Hayes modem
on a serial port or over a SIP line: it dials, plays the codes as tones,
holds the line and hangs up, and logs every part to a CSV file.
.
It offers a phone book with broadcast groups, sending at a set time,
shortcut files, registered messages, editors for the pager types and the
phone book, a send-log viewer and a command-line tool.")
include(CPack)
