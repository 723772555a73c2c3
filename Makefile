# The two set-up commands of the README: `make run` opens the board, `make test` runs every test.
# Both install what is missing first, then configure and build incrementally.

PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all deps configure build run gallery test test-windows bench fuzz soak clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	./$(BUILD)/app/poterinko

gallery: build
	./$(BUILD)/tools/poterinko-gallery

test: build
	ctest --preset $(PRESET) -j2

# The 32-bit Windows build (mingw-w64) and its tests under Wine: installs the cross compiler and
# Wine, builds the third-party libraries from Debian's sources once, then builds incrementally.
test-windows:
	@./scripts/install-windows-deps.sh
	@./scripts/build-windows-deps.sh
	@./scripts/wine-prefix.sh
	@[ -f build/windows/build.ninja ] || cmake --preset windows
	@cmake --build --preset windows
	xvfb-run -a ./scripts/wine-ctest.sh -j2

bench: build
	./scripts/run-benchmarks.sh $(BUILD)

fuzz: deps
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build --preset fuzz

# A long run of the board under the address, leak and undefined-behaviour sanitizers, kept out of
# `make test`: 10,000 drops (DROPS=N for another number) through the debug build's scenario driver.
soak: deps
	@[ -f build/debug/build.ninja ] || cmake --preset debug
	cmake --build --preset debug --target poterinko-scenario
	python3 scripts/soak/soak.py build/debug/tools/scenario/poterinko-scenario --drops $(or $(DROPS),10000)

clean:
	rm -rf build
