# A library's headers are included by their folder's name ("widgets/pile_box.h"), and a file sees
# the folders of its own library and of the libraries it links, no others: each library gets an
# include folder of its own in the build tree, holding one link, named as the folder, to the
# folder itself. Including a folder the library does not link fails to compile.
#   troven_folder_headers(<target> <name> [FOLDER <folder>] [PRIVATE])
# FOLDER: the folder, when it is not the current source folder; PRIVATE: for a module whose
# headers no other target includes.
function(troven_folder_headers target name)
    cmake_parse_arguments(PARSE_ARGV 2 arg "PRIVATE" "FOLDER" "")
    if(NOT arg_FOLDER)
        set(arg_FOLDER ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${arg_FOLDER} ${root}/${name} SYMBOLIC)
    if(arg_PRIVATE)
        target_include_directories(${target} PRIVATE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
