# The two set-up commands of the README: `make run` opens the board, `make test` runs every test.
# Both install what is missing first, then configure and build incrementally.

PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all deps configure build run gallery test test-windows bench fuzz clean

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

# Builds only the fuzz targets (clang, ASan + UBSan) and runs each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 180
fuzz: deps
	./fuzz/run-fuzzers.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
