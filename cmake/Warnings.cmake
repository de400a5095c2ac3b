# Every target of ours compiles with the same strict warnings; TROVEN_WERROR turns them into errors.
function(troven_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Wcast-align -Wnull-dereference -Wdouble-promotion)
    if(TROVEN_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
