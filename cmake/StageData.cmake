# Run in script mode: copies appfolder/ into the application folder and makes the empty
# record databases that are missing.
file(MAKE_DIRECTORY ${DST})
file(GLOB children RELATIVE ${SRC} ${SRC}/*)
foreach(child ${children})
    if(NOT child STREQUAL "schema.sql")
        file(COPY ${SRC}/${child} DESTINATION ${DST})
    endif()
endforeach()
foreach(db Events Bills Address)
    if(NOT EXISTS ${DST}/${db}.mdb)
        execute_process(COMMAND ${SQLITE} ${SRC}/schema.sql ${DST}/${db}.mdb ${db}
                        RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "could not make ${db}.mdb")
        endif()
    endif()
endforeach()
