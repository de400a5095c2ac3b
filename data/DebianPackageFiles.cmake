# Run by cpack -G DEB once the package's files are staged and stripped (CPACK_PRE_BUILD_SCRIPTS).
# The staged programs and modules lose the compiler's .comment section, as Debian's own builds
# do; the Depends field is what dpkg-shlibdeps finds for them, followed by the packages that
# nothing links (CPACK_DEBIAN_PACKAGE_DEPENDS as Packaging.cmake set it).
# cpack's own scan (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) is not used: it needs the `file` program,
# which a minimal Debian lacks, and it adds ldconfig calls to the maintainer scripts for any shared
# object under /usr/lib/<folder>, which a module the program loads itself does not need.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(elf_files)
foreach(file IN LISTS staged)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46" AND NOT IS_SYMLINK "${file}")
        list(APPEND elf_files "${file}")
    endif()
endforeach()
if(NOT elf_files)
    message(FATAL_ERROR "DebianPackageFiles: no program among the staged files")
endif()
foreach(file IN LISTS elf_files)
    execute_process(COMMAND "${CPACK_TROVEN_OBJCOPY}" --remove-section=.comment "${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# dpkg-shlibdeps reads debian/control from the folder it runs in; an empty one does.
set(work "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(MAKE_DIRECTORY "${work}/debian")
file(TOUCH "${work}/debian/control")
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files}
                WORKING_DIRECTORY "${work}"
                OUTPUT_VARIABLE shlibdeps ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "DebianPackageFiles: dpkg-shlibdeps failed (${status}):\n${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=([^\n]*).*" "\\1" libraries "${shlibdeps}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${libraries}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
