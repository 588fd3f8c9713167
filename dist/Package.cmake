# `make package`: a Debian package of what the install rules put under /usr. Its library
# dependencies are computed from the programs by dpkg-shlibdeps; what the programs only load at
# run time (Qt's platform plugins) is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevanto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: eat the dots, dodge the cars")
set(CPACK_PACKAGE_DESCRIPTION
  "Brevanto is an arcade game: you drive a car around nested lanes of wall tiles, eat the \
dots that lie in the lanes and dodge the computer cars that drive the other way and change \
lanes to cut you off. It ships with its courses and brevanto-sim, a command-line program \
that checks, plays and draws a course without a window.")
set(CPACK_PACKAGE_CONTACT "Brevanto developers <brevanto@brevanto.io>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-ipafont-gothic")
include(CPack)
