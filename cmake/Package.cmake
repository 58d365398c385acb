# `cpack` (or the `package` target) makes kestrova_<version>_amd64.deb from the
# install layout; dpkg-shlibdeps names the libraries' packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tarnwell <kestrova@tarnwell.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rank checker for the owners of web sites")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrova checks where a domain is listed on search engines for its
keywords. It queries each engine of a built-in catalogue of 34 for each
keyword, walks the result pages down to a chosen depth, records the domain's
position with its change against the last check, keeps the top ten URLs per
engine and writes HTML reports. It also analyses the site's front page for
one keyword.

The package holds the desktop program kestrova, the command-line front end
kestrova-cli (with scheduled checks on systemd user timers) and kestrova-sim,
an offline simulator of every catalogue engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.tarnwell.com/kestrova/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop association goes through xdg-mime.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
