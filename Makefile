# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT

# The commands a newcomer needs; each installs missing dependencies first.
#   make run             build and start Kestrune (kes.cfg and kes.dta live in this folder)
#   make test            build and run every test
#   make test-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench           build and run the benchmarks
#   make package         build the Debian package (build/package/kestrune_*.deb)
#   make fuzz            run the file-reader fuzzers for FUZZ_SECONDS each (clang)

.PHONY: all deps configure build run test test-sanitize bench package fuzz clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

run: build
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

clean:
	@rm -rf build
