# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of the `data` and `debian_programs` install components
# under /usr, laid out as Debian lays out games. Its library dependencies are computed from the
# programs by dpkg-shlibdeps; what the programs only load at run time is named by hand: Qt's
# platform plugins, and Qt's own translations (the buttons and file dialogs of Qt in the
# player's language). lintian checks the result (tests/scripts/deb_package.sh).

# The programs are built to find their data at BREVANTO_DATA_FROM_BIN from their own folder;
# the package's folder must give the same path.
file(RELATIVE_PATH data_from_package_programs /prefix/${BREVANTO_DEBIAN_PROGRAM_DIR}
     /prefix/${CMAKE_INSTALL_DATADIR}/brevanto)
if(NOT data_from_package_programs STREQUAL BREVANTO_DATA_FROM_BIN)
  message(WARNING "No package from this build: its programs in ${BREVANTO_DEBIAN_PROGRAM_DIR}/ "
    "would look for their data at ${BREVANTO_DATA_FROM_BIN}, which only fits "
    "BREVANTO_PROGRAM_DIR=${BREVANTO_PROGRAM_DIR}; choose a folder one level below the prefix")
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevanto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: eat the dots, dodge the cars")
# One line each, as the control file shows them (at most 80 columns with its leading space).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Brevanto is an arcade game: you drive a car around nested lanes of wall tiles,"
  "eat the dots that lie in the lanes and dodge the computer cars that drive the"
  "other way and change lanes to cut you off. It ships with ten courses, the"
  "course editor brevanto-edit and brevanto-sim, a command-line program that"
  "checks, plays and draws a course without a window.")
set(CPACK_PACKAGE_CONTACT ${BREVANTO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX ${BREVANTO_DEBIAN_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL data debian_programs)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-ipafont-gothic")
include(CPack)
