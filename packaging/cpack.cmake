# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack` in the build directory turns the install rules of install.cmake into
# velnora_<version>_<arch>.deb; dpkg-shlibdeps works out the Depends line from
# the libraries the two programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velnora)
set(CPACK_PACKAGE_VENDOR "The Velnora developers")
set(CPACK_PACKAGE_CONTACT "The Velnora developers <maintainers@velnora.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velnora.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Choghadiya almanac: is this a good time to begin a task?")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The windows speak Hindi and Gujarati; these fonts draw their scripts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-lohit-deva, fonts-lohit-gujr")
# CPack puts the summary above this extended description and indents both.
set(CPACK_PACKAGE_DESCRIPTION "Velnora tells whether a chosen moment is a good time to begin an important
task, by the Hindu almanac reckoning of the Choghadiya periods. From the
place's latitude, longitude and time zone it computes sunrise and sunset,
divides the daylight or the night that holds the time of work into eight
equal periods, names the period and gives the verdict: favorable,
intermediate or unfavorable.

The windows speak English, Hindi and Gujarati. The package holds the desktop
program velnora and the command-line tool velnora-cli.")

include(CPack)
