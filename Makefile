# Gridora: `make run` to play, `make test` to check everything. Both install what is missing.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean

all: build

deps:
	scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/gridora

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Start-up, idle and response figures against a minimal Qt window; writes bench/RESULTS.md.
bench: build
	bench/run.sh $(BUILD)

# `make install` puts Gridora under PREFIX; DESTDIR=/some/folder stages it there instead.
PREFIX ?= /usr/local
.PHONY: install package
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package: $(BUILD)/gridora_<version>_<architecture>.deb
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
