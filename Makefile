# The two set-up commands of the README: `make run` opens the board, `make test` runs every test.
# Both install what is missing first, then configure and build incrementally.

PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all deps configure build run gallery test bench fuzz clean

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

bench: build
	./scripts/run-benchmarks.sh $(BUILD)

fuzz: deps
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build --preset fuzz

clean:
	rm -rf build
