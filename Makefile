# The commands a newcomer needs; each installs missing dependencies first.
#   make run             build and start Kestrune (kes.cfg and kes.dta live in this folder)
#   make test            build and run every test
#   make test-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   make bench           build and run the benchmarks

.PHONY: all deps configure build run test test-sanitize bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

run: build
	@if [ -x build/default/ui/kestrune ]; then ./build/default/ui/kestrune; \
	 else echo "kestrune: the program window is not built yet; the calculation core is (make test)."; fi

test: build
	@ctest --preset default

test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

bench: build
	@for b in build/default/bench/bench_*; do "$$b" --benchmark_min_time=0.2; done

clean:
	@rm -rf build
