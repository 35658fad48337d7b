# One command sets up and runs the editor on the sample fish (make run);
# one sets up and passes every test (make test); one builds the Debian
# package and checks it with lintian (make deb).
#
# make run installs only what running needs and builds only the program it
# runs (meshmaker, its translations inside it); make test installs and
# builds everything else: the tests, the benchmarks and the tools they use.
BUILD ?= build
DEB_BUILD ?= build-deb
CMAKE_FLAGS ?=
SAMPLE ?= samples/fish.bmp

.PHONY: setup setup-run build run test bench deb clean

setup:
	scripts/setup-debian.sh test

setup-run:
	scripts/setup-debian.sh run

build: setup
	cmake -S . -B $(BUILD) -G Ninja -DPELAGOR_TESTS=ON -DPELAGOR_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: setup-run
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target meshmaker
	scripts/run-sample.sh $(BUILD) $(SAMPLE)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2 --no-tests=error

bench: build
	$(BUILD)/bench/meshmaker/meshmaker_bench
	$(BUILD)/bench/meshmaker/meshmaker_model_bench
	xvfb-run -a $(BUILD)/bench/meshmaker/meshmaker_view_bench
	$(BUILD)/bench/meshmaker/meshmaker_commands_bench
	$(BUILD)/bench/pgpack/pgpack_bench

# The package of both programs, built without tests, and lintian's verdict.
deb: setup
	cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELAGOR_TESTS=OFF \
	      -DPELAGOR_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(DEB_BUILD)
	cd $(DEB_BUILD) && cpack -G DEB
	lintian --fail-on error $(DEB_BUILD)/pelagor-tools_*.deb

clean:
	rm -rf $(BUILD) $(DEB_BUILD)
