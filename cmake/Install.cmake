# cmake --install: the program and its tools, the user guide, and the desktop files
# in their freedesktop places.
install(TARGETS tonalink RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(tool tonalink-cli tonalink-modemsim tonalink-pagerd)
    if(TARGET ${tool})
        install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

set(TL_RES ${PROJECT_SOURCE_DIR}/res)
install(FILES ${TL_RES}/help/Tonalink.html DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${TL_RES}/desktop/tonalink.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TL_RES}/desktop/tonalink-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tonalink.xml)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${TL_RES}/icons/tonalink-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tonalink.png)
endforeach()
install(FILES ${TL_RES}/desktop/tonalink.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME jp.quillfern.Tonalink.metainfo.xml)
file(GLOB TL_MAN_PAGES ${TL_RES}/man/*.[1-8])
install(FILES ${TL_RES}/icons/tonalink.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The paging daemon's systemd units, system and user, naming the installed
# program (written at install time, so that --prefix applies).
foreach(scope system user)
    if(scope STREQUAL "system")
        set(unit_dir lib/systemd/system)
    else()
        set(unit_dir ${CMAKE_INSTALL_DATADIR}/systemd/user)
    endif()
    install(CODE "
        set(TONALINK_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        set(unit \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${unit_dir}/tonalink-pagerd.service\")
        message(STATUS \"Installing: \${unit}\")
        configure_file(\"${TL_RES}/systemd/${scope}/tonalink-pagerd.service.in\" \"\${unit}\" @ONLY)")
endforeach()
