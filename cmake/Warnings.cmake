# Every target of the project builds with the same warnings; CI makes them fatal.
option(SPANWISE_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(spanwise_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(SPANWISE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
