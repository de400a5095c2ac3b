# `cpack -G DEB` in a build tree makes troven_<version>_<arch>.deb, installed under /usr.
# Included from the top-level CMakeLists.txt after data/, whose TROVEN_WEBSITE and
# TROVEN_MAINTAINER it uses; the summary and the description come from data/ProgramTexts.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME troven)
set(CPACK_PACKAGE_VENDOR "${TROVEN_DEVELOPERS}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TROVEN_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${TROVEN_DESCRIPTION}")
# The launcher and the desktop entry are written for the prefix being installed to; DESTDIR
# staging lets cpack install for /usr itself rather than for its staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# `make package_source` would otherwise pack the build folders and .git kept in the source tree.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/[.]git/" "/build[^/]*/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TROVEN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TROVEN_WEBSITE}/)
# The libraries the staged programs link (the Qt 6 libraries: libqt6gui6 also holds the xcb
# platform plugin; libpulse0 the sound server's client, for the sound module) are added by
# DebianPackageFiles.cmake through dpkg-shlibdeps. Nothing links the fonts (the IPA faces of the
# texts, DejaVu Sans Bold of the card faces drawn on scaled screens) or Qt's own Japanese texts
# (qtbase_ja.qm), so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackageFiles.cmake)
set(CPACK_TROVEN_OBJCOPY ${CMAKE_OBJCOPY})

include(CPack)
