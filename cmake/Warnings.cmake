# Every target of ours links deslizador_warnings; third-party code never sees these flags.
add_library(deslizador_warnings INTERFACE)
if(MSVC)
    target_compile_options(deslizador_warnings INTERFACE /W4 /permissive- /utf-8)
    if(DESLIZADOR_WERROR)
        target_compile_options(deslizador_warnings INTERFACE /WX)
    endif()
else()
    target_compile_options(deslizador_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC 12 reports false overlaps in std::string assignments at -O3 (its bug 105651).
        target_compile_options(deslizador_warnings INTERFACE -Wno-restrict)
    endif()
    if(DESLIZADOR_SANITIZERS AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # The sanitizers' instrumentation makes GCC see uninitialised reads inside the standard
        # library (std::regex's std::function members) that are not there.
        target_compile_options(deslizador_warnings INTERFACE -Wno-maybe-uninitialized)
    endif()
    if(DESLIZADOR_WERROR)
        target_compile_options(deslizador_warnings INTERFACE -Werror)
    endif()
endif()
