# The two set-up commands: `make run` and `make test`. Everything else is for developers.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CTEST_ENV   = QT_QPA_PLATFORM=offscreen

.PHONY: run test deps build bench check-all sanitize fuzz screenshots install package clean

run: build
	cd $(BUILD)/dist && ./tarvek-catalog

test: build
	cd $(BUILD) && $(CTEST_ENV) ctest --output-on-failure -j $(JOBS)

# Everything CI runs: the tests, then the same tests in the sanitizer build.
check-all: test sanitize

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTARVEK_SANITIZE=ON >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(CTEST_ENV) ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

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

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
