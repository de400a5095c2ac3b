# The tests and the benchmarks need libraries a machine set up only to play does not have
# (GoogleTest, Google Benchmark). Each part is switched by a cache entry: ON builds it and fails
# without its library (tools/test.sh asks for that, so that a test run never loses tests
# silently), OFF leaves it out, AUTO (the default) builds it where its library is found and says
# so when it is not: the README's install commands then work after tools/play.sh alone, and a
# developer's build still builds and registers every test.
#
# troven_optional_part(SWITCH PACKAGE) sets SWITCH_ENABLED to whether the part is built.
function(troven_optional_part switch package)
    set(${switch} AUTO CACHE STRING "Build this part: ON, OFF or AUTO (when ${package} is found)")
    set_property(CACHE ${switch} PROPERTY STRINGS ON OFF AUTO)
    string(TOUPPER "${${switch}}" choice)
    if(choice STREQUAL "AUTO")
        find_package(${package} QUIET)
        if(NOT ${package}_FOUND)
            message(STATUS "${switch}: ${package} not found, so left out (install it, or -D${switch}=ON to insist)")
        endif()
        set(${switch}_ENABLED ${${package}_FOUND} PARENT_SCOPE)
    elseif(${switch})
        find_package(${package} REQUIRED)
        set(${switch}_ENABLED TRUE PARENT_SCOPE)
    else()
        set(${switch}_ENABLED FALSE PARENT_SCOPE)
    endif()
endfunction()
