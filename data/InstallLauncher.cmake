# Part of `cmake --install`: writes the launcher and the desktop entry with the absolute paths of
# this install. Inputs: CMAKE_INSTALL_PREFIX and DESTDIR as cmake --install sets them, and
#   TROVEN_APP_ID, TROVEN_NAME, TROVEN_DATA_SOURCE_DIR (the templates), TROVEN_BINDIR, TROVEN_LAUNCHER_DIR,
#   TROVEN_DESKTOP_DIR (each relative to the prefix, or absolute).
# The tests include this file too, with a prefix of their own.

function(troven_installed_path dir out)
    # A relative --prefix is taken from the folder cmake --install runs in, as the files are.
    get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${prefix}" NORMALIZE)
    string(REGEX REPLACE "/$" "" dir "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
endfunction()

# A path as one word of a POSIX shell: single quotes, each ' written as '\''.
function(troven_shell_word path out)
    string(REPLACE "'" "'\\''" path "${path}")
    set(${out} "'${path}'" PARENT_SCOPE)
endfunction()

# A path as the program of a desktop entry's Exec key: in double quotes when it holds a reserved
# character, with \ " ` $ escaped for the quotes and again for the string, and % doubled.
function(troven_exec_word path out)
    string(REPLACE "%" "%%" path "${path}")
    if(path MATCHES "[^A-Za-z0-9/._+,:@=-]")
        string(REPLACE "\\" "\\\\\\\\" path "${path}")
        foreach(special "\"" "`" "$")
            string(REPLACE "${special}" "\\\\${special}" path "${path}")
        endforeach()
        set(path "\"${path}\"")
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

function(troven_install_generated template destination name permissions)
    set(file "$ENV{DESTDIR}${destination}/${name}")
    message(STATUS "Installing: ${file}")
    configure_file("${TROVEN_DATA_SOURCE_DIR}/${template}" "${file}" @ONLY
                   FILE_PERMISSIONS ${permissions})
    set(CMAKE_INSTALL_MANIFEST_FILES ${CMAKE_INSTALL_MANIFEST_FILES} "${file}" PARENT_SCOPE)
endfunction()

troven_installed_path("${TROVEN_BINDIR}" bindir)
troven_installed_path("${TROVEN_LAUNCHER_DIR}" launcher_dir)
troven_installed_path("${TROVEN_DESKTOP_DIR}" desktop_dir)

troven_shell_word("${bindir}/troven" TROVEN_GAME)
troven_install_generated(launcher.sh.in "${launcher_dir}" troven-launcher
    "OWNER_READ;OWNER_WRITE;OWNER_EXECUTE;GROUP_READ;GROUP_EXECUTE;WORLD_READ;WORLD_EXECUTE")

troven_exec_word("${launcher_dir}/troven-launcher" TROVEN_EXEC)
troven_install_generated(desktop-entry.desktop.in "${desktop_dir}" "${TROVEN_APP_ID}.desktop"
    "OWNER_READ;OWNER_WRITE;GROUP_READ;WORLD_READ")
