# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=
# A new build folder gets Ninja; one configured before keeps the generator it has.
GENERATOR = $(if $(wildcard $(BUILD)/CMakeCache.txt),,-G Ninja)

.PHONY: all deps configure build run test deb clean web-build web

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD)

# Builds the file program alone, then plays one move on a copy of the sample position.
run: configure
	@cmake --build $(BUILD) --target tulvo
	@scripts/run-sample.sh $(BUILD)/bin/tulvo samples/midgame

# The arena's SGF read-back test needs the SGF parser from npm: installed when npm is
# there; without it the test is skipped, and this says so first.
test: build
	@if ! command -v npm > /dev/null; then \
	  echo "npm is not installed: ArenaProgram.RecordsReadBackInAnSgfParser will be skipped (scripts/install-sgf-parser.sh installs both)"; \
	elif ! scripts/install-sgf-parser.sh $(BUILD)/sgf-parser; then \
	  echo "The SGF parser could not be installed from npm: ArenaProgram.RecordsReadBackInAnSgfParser will be skipped"; \
	fi
	@ctest --test-dir $(BUILD) --output-on-failure -j 2

# The Debian package of the programs and the library: $(BUILD)/tulvo_<version>_<arch>.deb.
deb: build
	@scripts/install-packages.sh dpkg-dev file
	@cd $(BUILD) && cpack -G DEB > /dev/null && ls tulvo_*.deb

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
