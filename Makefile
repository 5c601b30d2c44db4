# SPDX-License-Identifier: GPL-3.0-or-later
# Front door: every target first installs the Debian packages that are missing,
# then configures and builds incrementally into build/. npm (Debian's, unless the
# machine has one) fetches the gazetteer data once into the build folder.

SANITIZE ?= 0
BUILD    ?= $(if $(filter 1,$(SANITIZE)),build-asan,build)
WERROR   ?= 0
FUZZ_SECONDS ?= 60
JOBS     ?= $(shell nproc)
PACKAGES := g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libicu-dev libpng-dev \
            fonts-dejavu-core fonts-lohit-deva fonts-lohit-gujr xvfb xauth \
            librsvg2-bin desktop-file-utils appstream dpkg-dev file groff-base xdotool xclip \
            python3-icalendar openbox dbus at-spi2-core python3-pyatspi poppler-utils

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# Sanitizer runs stop at the first report; the suppressions name leaks inside
# system libraries that the program cannot free.
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
                 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
TEST_ENV := QT_QPA_PLATFORM=offscreen $(if $(filter 1,$(SANITIZE)),$(SANITIZER_ENV))
FUZZERS := evaluate key_rules referral places

# The program's C++ sources and headers, which clang-format keeps in one style.
FORMAT_DIRS := app bench cli core files forms fuzz messages places planning print shell tests ui workflow
FORMAT_FILES = $(shell find $(FORMAT_DIRS) \( -name '*.cpp' -o -name '*.h' \) -print)

.PHONY: all deps configure build run test bench install package fuzz lint format format-check clean

# The fuzzers and clang-tidy need clang's tools as well.
fuzz: PACKAGES += clang libclang-rt-14-dev
lint: PACKAGES += clang-tidy
format format-check: PACKAGES += clang-format

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	command -v npm >/dev/null || missing="$$missing npm"; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# The options of the build: a change to any of them reconfigures the build tree,
# which remembers the last set in its stamp.
OPTIONS := -DCMAKE_BUILD_TYPE=RelWithDebInfo \
           -DVELNORA_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF) \
           -DVELNORA_SANITIZE=$(if $(filter 1,$(SANITIZE)),ON,OFF)
STAMP := $(BUILD)/.options-werror$(WERROR)-sanitize$(SANITIZE)

$(STAMP): | deps
	cmake -S . -B $(BUILD) -G Ninja $(OPTIONS)
	rm -f $(BUILD)/.options-*
	touch $@

configure: deps $(STAMP)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/velnora

test: build
	$(TEST_ENV) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

# PREFIX defaults to /usr/local; DESTDIR stages the tree elsewhere, as for a package.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# Leaves $(BUILD)/velnora_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack

# Each fuzzer runs for FUZZ_SECONDS from a copy of its committed seed corpus.
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DVELNORA_FUZZ=ON -DVELNORA_GUI=ON
	cmake --build build-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	@for f in $(FUZZERS); do \
	  rm -rf build-fuzz/corpus/$$f && mkdir -p build-fuzz/corpus/$$f && \
	  cp fuzz/corpus/$$f/* build-fuzz/corpus/$$f/ && \
	  echo "== fuzz_$$f for $(FUZZ_SECONDS) s" && \
	  build-fuzz/bin/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/ build-fuzz/corpus/$$f 2>build-fuzz/fuzz_$$f.log || \
	    { tail -40 build-fuzz/fuzz_$$f.log; exit 1; }; \
	  grep -E "stat::number_of_executed_units|Done" build-fuzz/fuzz_$$f.log | tail -2; \
	done

# clang-tidy over the program's own sources (not tests, not generated code).
lint: build
	run-clang-tidy -quiet -p $(BUILD) -j $(JOBS) \
	  '^$(CURDIR)/(core|files|messages|workflow|planning|cli|ui|print|forms|shell|places|app)/.*\.cpp$$'

# format rewrites the sources in the project's style; format-check fails on any
# file that differs from it.
format: deps
	@clang-format -i $(FORMAT_FILES)

format-check: deps
	@clang-format --dry-run -Werror $(FORMAT_FILES) && echo "$(words $(FORMAT_FILES)) files in the clang-format style"

clean:
	rm -rf build build-asan build-fuzz
