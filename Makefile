# Calorix: `make run` builds and starts the program, `make test` builds and
# runs every test (plain, then under AddressSanitizer and UBSan), `make bench`
# runs the benchmarks. Each target first installs the Debian packages it needs.

PACKAGES := cmake g++ make googletest libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev \
            fonts-dejavu-core fonts-liberation
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= RelWithDebInfo

.PHONY: deps build run test test-plain test-asan bench format clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "installing:$$missing"; \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build build -j $(JOBS)

run: build
	./build/app/calorix

test: test-plain test-asan

test-plain: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCALORIX_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCALORIX_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target core_bench surface_bench chart_bench picture_bench journal_bench
	@for b in build-bench/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-bench
