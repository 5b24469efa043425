# Compiler settings shared by every target of the tree.

# The arithmetic must match its documented steps bit for bit: one rounding per operation,
# never a fused multiply-add, never value-changing optimisation.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(FENWAKE_NATIVE)
    add_compile_options(-march=native)
endif()

set(FENWAKE_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(FENWAKE_FUZZ)
    # Coverage for the fuzzer in every library the targets link.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(FENWAKE_SANITIZE)
    add_compile_options(-fsanitize=${FENWAKE_SANITIZE} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${FENWAKE_SANITIZE})
endif()

# Our own code builds warning-free; third-party headers come in as system includes. Warnings
# stop the build only where we choose: the presets, ./dev and CI. A distribution building with
# its own flags and a newer compiler gets the warnings, not a failed build.
option(FENWAKE_WARNINGS_AS_ERRORS "Treat warnings in Fenwake's own code as errors" OFF)

function(fenwake_strict_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(FENWAKE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# What a library offers the code that links it: its own folder, by the path it has in the
# source tree, and nothing else. The library's sources see their folder the same way, and
# what the libraries they link offer; an include of any other folder of ours fails to build.
function(fenwake_export_folder target folder)
    set(root ${PROJECT_BINARY_DIR}/exported/${target})
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
