# Stages build/app/: the data of appfolder/ and the three empty record databases made from
# appfolder/schema.sql. An existing database is never overwritten by a rebuild.
function(orvane_stage_appfolder)
    file(GLOB_RECURSE data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/appfolder/*)
    set(stamp ${CMAKE_BINARY_DIR}/appfolder.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/appfolder -DDST=${ORVANE_APP_DIR}
                -DSQLITE=$<TARGET_FILE:orvane_mkdb>
                -P ${CMAKE_SOURCE_DIR}/cmake/StageData.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${data} ${CMAKE_SOURCE_DIR}/cmake/StageData.cmake orvane_mkdb
        COMMENT "Staging the application folder")
    add_custom_target(orvane_appfolder ALL DEPENDS ${stamp})
endfunction()
