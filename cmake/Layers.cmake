# The layers of docs/architecture.md, kept by the compiler. Every include names its folder
# ("controls/Dialog.h"), so a folder cannot be offered alone through the repository's root. Each
# folder instead gets an include root of its own in the build folder: a folder of that name holding
# one forwarding header for each header the folder lists, which includes the real one by its full
# path. A target sees a folder's headers only when it links that folder's library, and a library
# links only the folders its row allows, privately, so an include across a forbidden edge finds no
# file. A header of a folder includes the headers beside it by their bare names ("Dialog.h"),
# which the compiler finds beside the real file.

set(SPANWISE_LAYERS_DIR "${PROJECT_BINARY_DIR}/layers")

# Writes root/folder/NAME for each NAME of headers, forwarding to the header in folder, and
# removes those left from an earlier configuration. Besides spanwise_layer, a folder that offers
# one part of itself to another row (win32/StandardStream.h to cli/) makes such a root for it.
function(spanwise_forwarding_root root folder)
    set(wanted)
    foreach(header IN LISTS ARGN)
        set(forwarder "${root}/${folder}/${header}")
        set(real "${PROJECT_SOURCE_DIR}/${folder}/${header}")
        if(NOT EXISTS "${real}")
            message(FATAL_ERROR "${folder}/CMakeLists.txt lists ${header}, which is not there")
        endif()
        file(CONFIGURE OUTPUT "${forwarder}" CONTENT "#include \"${real}\"\n" @ONLY)
        list(APPEND wanted "${forwarder}")
    endforeach()
    file(GLOB_RECURSE present LIST_DIRECTORIES false "${root}/*")
    foreach(file IN LISTS present)
        if(NOT file IN_LIST wanted)
            file(REMOVE "${file}")
        endif()
    endforeach()
endfunction()

# spanwise_layer(<target> FOLDER <folder> HEADERS <header>... [API <header>...] [USES <folder>...])
#
# Makes <target> the library of <folder>: its own sources include any header of the folder; a
# target that links it sees the folder's HEADERS, or only the API headers where given (ui/: the
# calculator API alone); it sees the folders of USES, and no other, each through that folder's
# library. Without HEADERS, <target> is another target of a folder whose library is made already
# (a program beside it): it sees what that library sees inside, and the folders of USES.
function(spanwise_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "FOLDER" "HEADERS;API;USES")
    if(NOT arg_FOLDER OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "spanwise_layer(${target}): FOLDER <folder> [HEADERS ...] [API ...] "
                            "[USES ...]")
    endif()
    set(root "${SPANWISE_LAYERS_DIR}/${arg_FOLDER}")
    if(arg_HEADERS)
        spanwise_forwarding_root("${root}" "${arg_FOLDER}" ${arg_HEADERS})
        if(arg_API)
            set(api_root "${SPANWISE_LAYERS_DIR}/${arg_FOLDER}-api")
            spanwise_forwarding_root("${api_root}" "${arg_FOLDER}" ${arg_API})
            target_include_directories(${target} INTERFACE "${api_root}")
        else()
            target_include_directories(${target} INTERFACE "${root}")
        endif()
        set_property(GLOBAL PROPERTY SPANWISE_LAYER_${arg_FOLDER} ${target})
    else()
        get_property(library GLOBAL PROPERTY SPANWISE_LAYER_${arg_FOLDER})
        if(NOT library)
            message(FATAL_ERROR "${target}: ${arg_FOLDER}/ has no library with its HEADERS yet")
        endif()
    endif()
    target_include_directories(${target} PRIVATE "${root}")
    foreach(used IN LISTS arg_USES)
        get_property(library GLOBAL PROPERTY SPANWISE_LAYER_${used})
        if(NOT library)
            message(FATAL_ERROR "${arg_FOLDER}/ uses ${used}/, which has no library yet")
        endif()
        target_link_libraries(${target} PRIVATE ${library})
    endforeach()
endfunction()
