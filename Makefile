# Calorix: `make run` builds and starts the program, `make test` builds and
# runs every test (plain, then under AddressSanitizer and UBSan), `make bench`
# runs the benchmarks, `make install` installs the program below PREFIX and
# `make package` builds its Debian package. Each target first installs the
# Debian packages it needs.

# The tests also check the installed menu entry (desktop-file-validate), the
# manual pages (man) and the file type (update-mime-database).
PACKAGES := cmake g++ make googletest libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev \
            fonts-dejavu-core fonts-liberation desktop-file-utils man-db shared-mime-info
# CPack's Debian package reads the programs' libraries with dpkg-shlibdeps
# and file.
PACKAGE_TOOLS := dpkg-dev file
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local

.PHONY: deps package-deps build run test test-plain test-asan bench install package format clean

# Installs those of the Debian packages $(1) that are missing.
define install-missing
	@missing=""; \
	for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "installing:$$missing"; \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

package-deps:
	$(call install-missing,$(PACKAGE_TOOLS))

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

# Installs below PREFIX (DESTDIR is honoured). Installed into the system
# rather than staged, the MIME and menu caches are brought up to date, as the
# package manager's triggers do for the Debian package.
install: build
	cmake --install build --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ]; then \
	    if command -v update-mime-database >/dev/null; then update-mime-database $(PREFIX)/share/mime; fi; \
	    if command -v update-desktop-database >/dev/null; then update-desktop-database -q $(PREFIX)/share/applications; fi; \
	fi

# build/calorix_VERSION_ARCH.deb
package: build package-deps
	cd build && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-bench
