# The two commands a newcomer needs: `make run` and `make test`.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run package bench fuzz sanitize sanitize-thread clean windows test-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run-kluni $(BUILD)

clean:
	rm -rf $(BUILD)

# The Debian package kluni_<version>_<arch>.deb in $(BUILD), checked after it is built.
package: build
	@scripts/install-deps package
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@scripts/check-package $(BUILD)

# Fuzzing: clang + libFuzzer with ASan/UBSan in its own build directory; builds
# every target and runs each one for FUZZ_SECONDS.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_CXXFLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

fuzz:
	@scripts/install-deps fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLUNI_FUZZ=ON \
	    -DKLUNI_BENCH=OFF "-DCMAKE_CXX_FLAGS=$(FUZZ_CXXFLAGS)" >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target kluni_fuzzers
	@fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
# The same options for the build, which runs the built tools (the guides' pictures).
ASAN_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize:
	@scripts/install-deps sanitize
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLUNI_SANITIZE=ON -DKLUNI_BENCH=OFF >/dev/null
	@$(ASAN_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen $(ASAN_ENV) ctest --output-on-failure -j $(JOBS)

# The whole test suite under ThreadSanitizer (GCC's), in a build of its own.
# Qt is not built with it: where our threads hand work to each other, our code
# orders it itself (a join, a mutex), never through Qt's events alone. Qt's own
# worker threads (its painting pool, the file dialog's gatherer) are ordered
# inside Qt, out of the sanitizer's sight: ignore_noninstrumented_modules
# keeps the allocations and copies that Qt's code makes out of the race
# checks, while everything our code does stays checked (in the build too,
# which runs the picture-taking tool). die_after_fork=0:
# QProcess forks the multi-threaded tests, the child only runs exec.
TSAN_BUILD ?= build-tsan
TSAN_OPTIONS_ALL = halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:die_after_fork=0

sanitize-thread:
	@scripts/install-deps tsan
	@cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLUNI_SANITIZE_THREAD=ON -DKLUNI_BENCH=OFF >/dev/null
	@TSAN_OPTIONS=$(TSAN_OPTIONS_ALL) cmake --build $(TSAN_BUILD) -j $(JOBS)
	cd $(TSAN_BUILD) && QT_QPA_PLATFORM=offscreen TSAN_OPTIONS=$(TSAN_OPTIONS_ALL) ctest --output-on-failure -j $(JOBS)

# Benchmarks: a Release build of its own, a generated installation of
# 100,000 models (cached in the build tree) and a Markdown table of medians,
# baselines and ratios. BENCH_ARGS passes options on, e.g. "--runs 11".
BENCH_BUILD ?= build-release

bench:
	@scripts/install-deps bench
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DKLUNI_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target kluni-cli kluni-bench kluni-bench-ui kluni-demogen
	@scripts/bench $(BENCH_BUILD) $(BENCH_ARGS)

# Windows: Qt for Windows built once from Debian's qt6-base source into
# ~/.cache/kluni (35-55 minutes the first time), then Kluni cross-built with
# MinGW-w64 into $(WIN_BUILD): the portable zip and the installer. The guides
# and the demo installation come from the Linux build.
WIN_BUILD ?= build-windows

windows: build
	@scripts/install-deps windows
	@scripts/build-windows $(BUILD) $(WIN_BUILD)

# The Windows build tested under Wine (WIN_PARTS: a subset of
# "unit cli registry window installer").
WIN_PARTS ?=
test-windows: windows
	@scripts/test-windows $(BUILD) $(WIN_BUILD) $(WIN_PARTS)
