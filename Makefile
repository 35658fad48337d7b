# One command sets up and runs the editor on the sample fish (make run);
# one sets up and passes every test (make test).
BUILD ?= build
CMAKE_FLAGS ?=
SAMPLE ?= samples/fish.bmp

.PHONY: setup build run test bench clean

setup:
	scripts/setup-debian.sh

build: setup
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	scripts/run-sample.sh $(BUILD) $(SAMPLE)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j2

bench: build
	$(BUILD)/bench/meshmaker/meshmaker_bench
	$(BUILD)/bench/meshmaker/meshmaker_model_bench
	xvfb-run -a $(BUILD)/bench/meshmaker/meshmaker_view_bench
	$(BUILD)/bench/pgpack/pgpack_bench

clean:
	rm -rf $(BUILD)
