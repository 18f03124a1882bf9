# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD)

# Plays one move on the bundled sample position in a scratch directory.
run: build
	@scripts/run-sample.sh $(BUILD)/bin/tulvo samples/midgame

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j 2

clean:
	rm -rf $(BUILD)
