# Our own code builds warning-free; third-party headers come in as system includes.
function(olvane_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wold-style-cast -Wsuggest-override -Werror
        # GCC 12 at -O3 reports string concatenations as out-of-bounds memcpy calls (known false
        # positives of its inliner): they stay warnings there; the sanitizer build checks the
        # real thing.
        $<$<CXX_COMPILER_ID:GNU>:-Wno-error=stringop-overflow>
        $<$<CXX_COMPILER_ID:GNU>:-Wno-error=array-bounds>
        $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>)
endfunction()

# Each layer gathers its sources by folder so that adding a file needs no build edit.
function(olvane_sources out)
    set(files)
    foreach(dir ${ARGN})
        file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()
