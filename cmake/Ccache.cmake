# Compiles go through ccache whenever it is installed, so a clean rebuild, a branch switched
# back, or the same clone's CI run reuses what was compiled before. Paths are hashed relative
# to the source tree and the working folder is left out; the compiler's own dependency list
# stands in for a second preprocessor run on a miss; precompiled headers need the two
# sloppiness settings; the inode cache hashes the 200-MB precompiled header once per build, not
# once per source. The cache stays in the user's default folder and is kept to 2 GB. Because
# no generated file names a source by absolute path, another clone in another folder hits too
# (its objects' debug information then names the folder that compiled them first).
option(ORVANE_CCACHE "Compile through ccache when it is installed" ON)
find_program(ORVANE_CCACHE_PROGRAM ccache)
if(ORVANE_CCACHE AND ORVANE_CCACHE_PROGRAM AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env
        CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}
        CCACHE_NOHASHDIR=1
        CCACHE_DEPEND=1
        CCACHE_INODECACHE=1
        CCACHE_SLOPPINESS=pch_defines,time_macros
        CCACHE_MAXSIZE=2G
        ${ORVANE_CCACHE_PROGRAM})
endif()
