# "cmake --install build --prefix P": the program, the Postil plugin and the shipped data in
# P/lib/orvane (the program finds everything beside itself, as in build/app), the launcher
# P/bin/orvane, and the desktop entry, icons and metainfo under P/share, named after the
# application id. The installed data is read-only; what the program writes goes to the user's
# data folder.
set(ORVANE_HOME_PAGE https://orvane.example.org/)
set(libdir lib/orvane)

install(TARGETS Orvane RUNTIME DESTINATION ${libdir})
install(TARGETS Postil LIBRARY DESTINATION ${libdir})
if(TARGET OrvaneHelp)
    install(TARGETS OrvaneHelp RUNTIME DESTINATION ${libdir}/Help)
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/appfolder/ DESTINATION ${libdir}
        PATTERN schema.sql EXCLUDE)

# Empty databases of their own, never the build's: build/app holds what was tried there.
set(shipped ${CMAKE_BINARY_DIR}/shipped)
set(databases)
foreach(db Events Bills Address)
    add_custom_command(OUTPUT ${shipped}/${db}.mdb
        COMMAND ${CMAKE_COMMAND} -E make_directory ${shipped}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${shipped}/${db}.mdb
        COMMAND orvane_mkdb ${CMAKE_SOURCE_DIR}/appfolder/schema.sql ${shipped}/${db}.mdb ${db}
        DEPENDS orvane_mkdb ${CMAKE_SOURCE_DIR}/appfolder/schema.sql)
    list(APPEND databases ${shipped}/${db}.mdb)
endforeach()
add_custom_target(orvane_shipped_databases ALL DEPENDS ${databases})
install(FILES ${databases} DESTINATION ${libdir})

install(PROGRAMS ${CMAKE_SOURCE_DIR}/desktop/orvane DESTINATION bin)

configure_file(${CMAKE_SOURCE_DIR}/desktop/orvane.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/${ORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/${ORVANE_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The entry names the launcher by its full path, known only when installing (--prefix).
install(CODE "
    set(ORVANE_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/orvane\")
    set(ORVANE_APP_ID ${ORVANE_APP_ID})
    configure_file(${CMAKE_SOURCE_DIR}/desktop/orvane.desktop.in
                   ${CMAKE_BINARY_DIR}/desktop/${ORVANE_APP_ID}.desktop @ONLY)
    file(INSTALL ${CMAKE_BINARY_DIR}/desktop/${ORVANE_APP_ID}.desktop
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
")

set(icons ${CMAKE_SOURCE_DIR}/desktop/icons/hicolor)
foreach(size 16 22 32 48 64 128 256)
    install(FILES ${icons}/${size}x${size}/apps/orvane.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${ORVANE_APP_ID}.png)
endforeach()
install(FILES ${icons}/scalable/apps/orvane.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${ORVANE_APP_ID}.svg)
