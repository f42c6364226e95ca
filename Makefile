# Set-up, build and test in one step each: `make run` and `make test`.
# Both first install what is missing from Debian's packages (as root, or through sudo).

BUILD ?= build
PACKAGES := cmake ninja-build g++ make qt6-base-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev \
            fonts-noto-cjk xvfb xdotool desktop-file-utils
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 60
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-asan bench templates fuzz clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing from Debian's packages:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/mockshot

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

# Redraws the page templates into pages/templates (committed; the build embeds them).
templates: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/templates/draw_templates pages/templates

# The whole suite again under ASan and UBSan, in its own build folder.
test-asan: deps
	[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMOCKSHOT_SANITIZE=ON
	cmake --build build-asan
	cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2

bench: build
	$(BUILD)/bench/picture_bench
	$(BUILD)/bench/flow_bench

# Runs the picture fuzzer for FUZZ_SECONDS; findings land in build-fuzz/ as crash-* files.
fuzz:
	$(MAKE) deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	[ -f build-fuzz/build.ninja ] || cmake -S . -B build-fuzz -G Ninja -DMOCKSHOT_FUZZ=ON \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz
	mkdir -p build-fuzz/seeds build-fuzz/corpus
	build-fuzz/tests/fuzz/picture_fuzz_seeds build-fuzz/seeds
	cd build-fuzz && ./tests/fuzz/picture_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 corpus seeds

clean:
	rm -rf $(BUILD) build-asan build-fuzz
