# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on:
# fortified C library calls (_FORTIFY_SOURCE), stack protection, relocations made read-only after
# loading (relro) and bound at start-up (bindnow). The Debian package is built from the default and
# ci builds, so the programs the tests run are the programs it ships. Only the hardening comes
# from dpkg-buildflags; the build type keeps choosing optimisation and debugging information.
option(SPANWISE_HARDENING "Build with Debian's hardening flags (needs dpkg-buildflags)" OFF)

if(SPANWISE_HARDENING AND CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT CMAKE_CROSSCOMPILING)
    find_program(SPANWISE_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND "${CMAKE_COMMAND}" -E env
                    "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
                    "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" "${SPANWISE_DPKG_BUILDFLAGS}" --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(SPANWISE_HARDENING_${kind} UNIX_COMMAND "${flags}")
    endforeach()
    add_compile_options(${SPANWISE_HARDENING_CPPFLAGS} ${SPANWISE_HARDENING_CXXFLAGS})
    add_link_options(${SPANWISE_HARDENING_LDFLAGS})
    list(JOIN SPANWISE_HARDENING_CPPFLAGS " " shown_cppflags)
    list(JOIN SPANWISE_HARDENING_CXXFLAGS " " shown_cxxflags)
    list(JOIN SPANWISE_HARDENING_LDFLAGS " " shown_ldflags)
    message(STATUS "Hardening: ${shown_cppflags} ${shown_cxxflags}, linked with ${shown_ldflags}")
endif()
