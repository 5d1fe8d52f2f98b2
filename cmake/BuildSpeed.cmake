# Precompiled headers: two owner targets compile one header set each (Qt Core for the core
# libraries, their tests and the fixtures; Qt Widgets for everything else) and every other
# target reuses theirs, so the Qt headers are parsed twice per build instead of once per
# source. The owners carry the same options as their users; gcc refuses a header built with
# other options, and -Winvalid-pch makes that an error under -Werror.
option(ORVANE_PCH "Precompile the Qt headers every library includes" ON)
# Unity builds: each library compiles its sources in batches of eight, one compiler run a batch,
# which parses the shared headers and emits the shared templates once per batch instead of once
# per source. Names at file scope must therefore be unique within a library.
option(ORVANE_UNITY "Compile each library's sources in batches" ON)
set(ORVANE_UNITY_BATCH 8)

if(ORVANE_PCH)
    foreach(kind core widgets)
        add_library(orvane_pch_${kind} OBJECT ${CMAKE_SOURCE_DIR}/src/pch/pch.cpp)
        set_target_properties(orvane_pch_${kind} PROPERTIES AUTOMOC OFF)
    endforeach()
    target_link_libraries(orvane_pch_core PRIVATE orvane_options Qt6::Core)
    target_link_libraries(orvane_pch_widgets PRIVATE orvane_options Qt6::Widgets)
    # Named through the include path, not by absolute path, so the header CMake generates from
    # this is the same in every clone and the compiler cache can share the compiled header.
    target_include_directories(orvane_pch_core PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_include_directories(orvane_pch_widgets PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_precompile_headers(orvane_pch_core PRIVATE <pch/QtCoreHeaders.h>)
    target_precompile_headers(orvane_pch_widgets PRIVATE <pch/QtWidgetsHeaders.h>)
    # ccache can reuse a clang header only without the time stamp clang writes into it. A clang
    # header also names the files it was made from by absolute path and refuses to load when they
    # are gone, so one made in another clone must never come out of the cache: clang compiles
    # its two headers itself (gcc's are the same bytes in every clone and are cached).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        target_compile_options(orvane_options INTERFACE "SHELL:-Xclang -fno-pch-timestamp")
        set_target_properties(orvane_pch_core orvane_pch_widgets PROPERTIES CXX_COMPILER_LAUNCHER "")
    endif()
endif()

# orvane_use_pch(target core|widgets)
function(orvane_use_pch target kind)
    if(ORVANE_PCH)
        target_precompile_headers(${target} REUSE_FROM orvane_pch_${kind})
    endif()
endfunction()

# orvane_unity(target): the target's sources compile in batches. CMake's own unity files name
# each source by absolute path, which makes every clone's batches different to the compiler
# cache; these name them relative to the batch file. The sources stay in the target (as headers
# only) so that the meta-object compiler still finds the headers beside them.
function(orvane_unity target)
    if(NOT ORVANE_UNITY)
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_unity)
    set(batch "")
    set(count 0)
    set(index 0)
    list(APPEND sources "<end>")
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.cpp$")
            get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
            file(RELATIVE_PATH relative ${dir} ${path})
            string(APPEND batch "#include \"${relative}\"\n")
            set_source_files_properties(${source} PROPERTIES HEADER_FILE_ONLY ON)
            math(EXPR count "${count} + 1")
        endif()
        if(count GREATER 0 AND (count EQUAL ORVANE_UNITY_BATCH OR source STREQUAL "<end>"))
            file(CONFIGURE OUTPUT ${dir}/batch_${index}.cpp CONTENT "${batch}")
            target_sources(${target} PRIVATE ${dir}/batch_${index}.cpp)
            set(batch "")
            set(count 0)
            math(EXPR index "${index} + 1")
        endif()
    endforeach()
endfunction()
