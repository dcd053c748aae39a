# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first, then configure and build.

JOBS ?= $(shell nproc)
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
RELEASE_DIR ?= build-release
FUZZ_DIR ?= build-fuzz
COVERAGE_DIR ?= build-coverage
CMAKE_GENERATOR ?= Ninja

.PHONY: all deps build build-asan build-release package run test test-normal test-asan test-tsan bench fuzz coverage format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DSCRIVLETTE_WERROR=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DSCRIVLETTE_SANITIZE=ON \
		-DSCRIVLETTE_WERROR=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)

# The build a packager makes: Release flags, which bring warnings of their own.
build-release: deps
	@cmake -S . -B $(RELEASE_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release \
		-DSCRIVLETTE_WERROR=ON >/dev/null
	@cmake --build $(RELEASE_DIR) -j $(JOBS)

package: build-release
	@cd $(RELEASE_DIR) && cpack -G DEB >/dev/null && ls -1 $(CURDIR)/$(RELEASE_DIR)/scrivlette_*.deb
	@if cmake -S kde -B $(RELEASE_DIR)/kde -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null 2>&1; then \
		cmake --build $(RELEASE_DIR)/kde -j $(JOBS) >/dev/null && cd $(RELEASE_DIR)/kde && cpack -G DEB >/dev/null && \
		ls -1 $(CURDIR)/$(RELEASE_DIR)/kde/scrivlette-kde_*.deb; \
	else \
		echo "KDE Frameworks 5 not installed: no scrivlette-kde package (Dolphin's thumbnail plugin)"; \
	fi

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display here: try 'xvfb-run -a $(BUILD_DIR)/app/scrivlette', or run $(BUILD_DIR)/cli/scrivlette-cli."; \
	else \
		$(BUILD_DIR)/app/scrivlette; \
	fi

test-normal: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	@cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan build-release

# The threaded tests that need no Qt, under ThreadSanitizer.
test-tsan: deps
	@cmake -S . -B build-tsan -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DSCRIVLETTE_THREAD_SANITIZE=ON -DSCRIVLETTE_WERROR=ON >/dev/null
	@cmake --build build-tsan -j $(JOBS) --target drop_tests model_tests
	@TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/drop_tests
	@TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/model_tests

bench: build
	@$(BUILD_DIR)/bench/bench_plist
	@$(BUILD_DIR)/bench/bench_clipping
	@$(BUILD_DIR)/bench/bench_window
	@$(BUILD_DIR)/bench/bench_picture
	@$(BUILD_DIR)/bench/bench_extract
	@$(BUILD_DIR)/bench/bench_hostile

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSCRIVLETTE_FUZZ=ON -DSCRIVLETTE_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

# Line coverage of the code that needs no window system, after the whole suite.
coverage: deps
	@cmake -S . -B $(COVERAGE_DIR) -G $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DSCRIVLETTE_COVERAGE=ON \
		-DSCRIVLETTE_WERROR=ON >/dev/null
	@cmake --build $(COVERAGE_DIR) -j $(JOBS)
	@find $(COVERAGE_DIR) -name '*.gcda' -delete
	@cd $(COVERAGE_DIR) && ctest -j $(JOBS) >/dev/null || (ctest --rerun-failed --output-on-failure; exit 1)
	@gcovr --root . --filter 'model/' --filter 'platform/' --filter 'formats/' --filter 'cli/' --exclude 'platform/qt/' \
		--print-summary -o $(COVERAGE_DIR)/coverage.txt $(COVERAGE_DIR)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_DIR) $(RELEASE_DIR) $(FUZZ_DIR) $(COVERAGE_DIR) build-tsan
