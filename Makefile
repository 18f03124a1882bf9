# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test clean web-build web

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD)

# Plays one move on the bundled sample position in a scratch directory.
run: build
	@scripts/run-sample.sh $(BUILD)/tulvo samples/midgame

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j 2

# The browser page: built into build-web/ (static files only) and served locally.
WEB ?= build-web
WEB_PORT ?= 8000

web-build:
	@scripts/build-web.sh $(WEB)

web: web-build
	@echo "tulvo in a browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl-C stops the server)"
	@python3 -m http.server --bind 127.0.0.1 --directory $(WEB) $(WEB_PORT)

clean:
	rm -rf $(BUILD)
