# What a build for Windows from Debian needs beyond the toolchain file: the header-only packages
# without the build machine's system headers, GoogleTest built for the target from Debian's
# source package, and Wine to run the built programs and tests.

# CLI11 and nlohmann-json point their targets at /usr/include, where the build machine's C library
# lives too; the target's compiler must see only the two libraries there.
set(SPANWISE_HOST_HEADERS "${CMAKE_BINARY_DIR}/host-headers")
file(MAKE_DIRECTORY "${SPANWISE_HOST_HEADERS}")
foreach(header_dir CLI nlohmann)
    if(NOT EXISTS "${SPANWISE_HOST_HEADERS}/${header_dir}")
        file(CREATE_LINK "/usr/include/${header_dir}" "${SPANWISE_HOST_HEADERS}/${header_dir}"
             SYMBOLIC)
    endif()
endforeach()
find_package(CLI11 REQUIRED)
find_package(nlohmann_json REQUIRED)
foreach(header_target CLI11::CLI11 nlohmann_json::nlohmann_json)
    set_target_properties(${header_target} PROPERTIES
                          INTERFACE_INCLUDE_DIRECTORIES "${SPANWISE_HOST_HEADERS}")
endforeach()

if(SPANWISE_BUILD_TESTS)
    set(SPANWISE_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH
        "GoogleTest's sources (Debian package googletest), built for the target")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    include(FetchContent)
    # find_package(GTest) anywhere in the project then finds these targets.
    FetchContent_Declare(GTest SOURCE_DIR "${SPANWISE_GTEST_SOURCE_DIR}" OVERRIDE_FIND_PACKAGE)
    FetchContent_MakeAvailable(GTest)
endif()

# The built programs and tests run under Wine, each build folder with its own Wine prefix; 32-bit
# programs in a 32-bit Windows, as they run on a lab's 32-bit PC.
set(SPANWISE_WINE_RUN "${PROJECT_SOURCE_DIR}/scripts/wine-run")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND SPANWISE_WINE_RUN --win32)
endif()
set(SPANWISE_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine" CACHE PATH "Wine prefix of the tests")
set(CMAKE_CROSSCOMPILING_EMULATOR ${SPANWISE_WINE_RUN} --prefix "${SPANWISE_WINE_PREFIX}")
