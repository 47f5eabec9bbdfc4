# AddressSanitizer and UndefinedBehaviorSanitizer for everything built here, and the runtime's
# defaults (sanitizeroptions.cpp) in every executable. Included from the root CMakeLists.txt:
# deslizador_sanitize() before the targets, deslizador_sanitizer_defaults() after them.

macro(deslizador_sanitize)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endmacro()

# Every executable target in `dir` and the folders below it.
function(deslizador_executables dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    set(found)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        deslizador_executables(${subdir} below)
        list(APPEND found ${below})
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

function(deslizador_sanitizer_defaults)
    deslizador_executables(${PROJECT_SOURCE_DIR} executables)
    foreach(target IN LISTS executables)
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/sanitizeroptions.cpp)
    endforeach()
endfunction()
