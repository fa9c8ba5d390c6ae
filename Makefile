# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT

# The commands a newcomer needs; each installs missing dependencies first.
#   make run             build the program alone (build/default/ui/kestrune) and start it; kes.cfg,
#                        kes-prefs.cfg, kes.dta and kes-batches.csv live in this folder
#   make test            build and run every test
#   make test-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench           build and run the benchmarks
#   make package         build the Debian package (build/package/kestrune_*.deb)
#   make fuzz            run the file-reader fuzzers for FUZZ_SECONDS each (clang)
#   make web             build the offline field page (build/web/kestrune-field.html)
#   make test-web        check the field page in headless chromium

.PHONY: all deps configure build program run test test-sanitize bench package fuzz web test-web clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

program: configure
	@cmake --build --preset default --target kestrune

run: program
	@./build/default/ui/kestrune

test: build
	@ctest --preset default

test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

bench: build
	@for b in build/default/bench/bench_*; do "$$b" --benchmark_min_time=0.2; done

package: deps
	@tools/install-deps.sh web
	@cmake --preset package >/dev/null
	@cmake --build --preset package
	@cd build/package && cpack -G DEB

FUZZ_SECONDS ?= 60
fuzz: deps
	@tools/install-deps.sh fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@for f in settings_reader list_reader batch_log_reader preferences_reader meter_log_reader \
	         torque_log_reader; do \
	    corpus=$$(mktemp -d); \
	    build/fuzz/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -print_final_stats=1 \
	        -artifact_prefix=build/fuzz/ $$corpus fuzz/corpus/$${f%_reader} || exit 1; \
	    rm -rf "$$corpus"; \
	done

web: deps
	@tools/install-deps.sh web
	@cmake --preset web >/dev/null
	@cmake --build --preset web

test-web: web
	@cd web/test && npm ci --silent --no-audit --no-fund
	@node web/test/run.mjs build/web/kestrune-field.html tests/shared/field_cases.tsv

clean:
	@rm -rf build
