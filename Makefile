# The two set-up commands: `make run` and `make test`. Everything else is for developers.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
# Developers and CI stop on any warning; a plain cmake build (a user's, a packager's) does not.
WERROR     ?= ON
CTEST_ENV   = QT_QPA_PLATFORM=offscreen
CTEST       = $(CTEST_ENV) ctest --output-on-failure -j $(JOBS)
configure   = cmake -S . -B $(1) -DTARVEK_WERROR=$(WERROR) $(2) >/dev/null
# ccache reuses objects across clones and work trees: paths below the source are hashed relative
# to it, and the build folder is not hashed (debug information may then name another clone's).
export CCACHE_BASEDIR  ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1

.PHONY: run test deps build web web-serve bench check-all sanitize release clang subproject fuzz screenshots \
        install package format format-check clean

run: build
	cd $(BUILD)/dist && ./tarvek-catalog

test: build web
	cd $(BUILD) && $(CTEST)

# Everything CI runs: formatting, the tests in every build a packager may choose, the
# sanitizer build, and the project built as part of another one.
check-all: format-check test sanitize release clang subproject

deps:
	@scripts/install-deps

build: deps
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEK_WEB=ON)
	cmake --build $(BUILD) -j $(JOBS)

# The web edition: the rules and their unit tests compiled to WebAssembly (emscripten) in
# $(BUILD)/wasm, then the static site in $(BUILD)/web. Debian's emscripten finds its
# optimiser's JavaScript parser (acorn) through NODE_PATH.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
web: build
	$(EMSCRIPTEN_ENV) emcmake $(call configure,$(BUILD)/wasm,-DCMAKE_BUILD_TYPE=Release)
	$(EMSCRIPTEN_ENV) cmake --build $(BUILD)/wasm -j $(JOBS)
	cmake --build $(BUILD) --target web_site

# The site on http://127.0.0.1:8080/ (PORT=... for another port) until Ctrl+C.
web-serve: web
	node web/serve.mjs $(BUILD)/web $(or $(PORT),8080)

sanitize: deps
	$(call configure,$(ASAN_BUILD),-DCMAKE_BUILD_TYPE=Debug -DTARVEK_SANITIZE=ON)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 $(CTEST)

# An optimised build with GCC, and a build with clang: both warning-free and passing.
release: deps
	$(call configure,build-release,-DCMAKE_BUILD_TYPE=Release)
	cmake --build build-release -j $(JOBS)
	cd build-release && $(CTEST)

clang: deps
	$(call configure,build-clang,-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
	cmake --build build-clang -j $(JOBS)
	cd build-clang && $(CTEST)

# The catalogue inside another project, through add_subdirectory().
subproject: deps
	cmake -S tests/subproject -B build-subproject -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build-subproject -j $(JOBS)

bench: build
	scripts/run-benchmarks $(BUILD)

fuzz: deps
	scripts/run-fuzzers

screenshots: build
	scripts/screenshots $(BUILD)

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX),)

# The Debian package, from the same build: $(BUILD)/tarvek-catalog_<version>_<arch>.deb
package: build
	cd $(BUILD) && cpack

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-release build-clang build-subproject
