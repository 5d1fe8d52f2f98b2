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

if(ORVANE_PCH)
    foreach(kind core widgets)
        add_library(orvane_pch_${kind} OBJECT ${CMAKE_SOURCE_DIR}/src/pch/pch.cpp)
        set_target_properties(orvane_pch_${kind} PROPERTIES AUTOMOC OFF)
    endforeach()
    target_link_libraries(orvane_pch_core PRIVATE orvane_options Qt6::Core)
    target_precompile_headers(orvane_pch_core PRIVATE ${CMAKE_SOURCE_DIR}/src/pch/QtCoreHeaders.h)
    target_link_libraries(orvane_pch_widgets PRIVATE orvane_options Qt6::Widgets)
    target_precompile_headers(orvane_pch_widgets
        PRIVATE ${CMAKE_SOURCE_DIR}/src/pch/QtWidgetsHeaders.h)
    # ccache can reuse a clang header only without the time stamp clang writes into it.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        target_compile_options(orvane_options INTERFACE "SHELL:-Xclang -fno-pch-timestamp")
    endif()
endif()

# orvane_use_pch(target core|widgets)
function(orvane_use_pch target kind)
    if(ORVANE_PCH)
        target_precompile_headers(${target} REUSE_FROM orvane_pch_${kind})
    endif()
endfunction()
