# Gridora: `make run` to play, `make test` to check everything. Both install what is missing.
BUILD ?= build
JOBS ?= $(shell nproc)
# configure,ON|OFF: configures the build with or without the tests.
configure = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$(1)

.PHONY: all deps test-deps build run test bench install package reproducible clean \
        windows windows-zip windows-msi test-windows reproducible-windows

all: build

# What building and running need; test-deps adds the tools of the tests, the bench and the package.
deps:
	scripts/install-deps.sh

test-deps:
	scripts/install-deps.sh --test

# The game alone, without the tests.
build: deps
	$(call configure,OFF)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/gridora

test: test-deps
	$(call configure,ON)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Start-up, idle and response figures against a minimal Qt window; writes bench/RESULTS.md.
bench: test-deps build
	bench/run.sh $(BUILD)

# `make install` puts Gridora under PREFIX (the program in PREFIX/games); DESTDIR=/some/folder
# stages it there instead.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package: $(BUILD)/gridora_<version>_<architecture>.deb, byte for byte the same from the
# same commit.
package: test-deps build
	scripts/make-deb.sh $(BUILD)

# That it is: the package built twice, in two fresh clones, and compared (a minute or two).
reproducible: test-deps
	scripts/reproducible.sh

# Gridora for Windows, cross-built with mingw-w64: $(WINBUILD)/gridora.exe, one file. The first
# time, Qt for Windows is built from this Debian release's own sources and kept in ~/.cache
# (scripts/qt-windows.sh; about 35 minutes on two cores).
WINBUILD ?= build-windows
winconfigure = qt=$$(scripts/qt-windows.sh) && cmake -S . -B $(WINBUILD) -G Ninja \
	-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	-DBUILD_TESTING=$(1)

windows:
	scripts/install-deps.sh --windows
	$(call winconfigure,OFF)
	cmake --build $(WINBUILD) -j $(JOBS)
	@stat -c '%n: %s bytes' $(WINBUILD)/gridora.exe $(WINBUILD)/minimal.exe

# $(WINBUILD)/gridora-<version>-windows-x86_64.zip: the program, its licences and how to play.
windows-zip: windows
	scripts/windows-zip.sh $(WINBUILD)

# $(WINBUILD)/gridora-<version>-x64.msi: the installer, with the same program and its licences.
windows-msi: windows
	scripts/windows-msi.sh $(WINBUILD)

# That the zip and the installer are the same from the same commit, built in two fresh clones and
# compared.
reproducible-windows:
	scripts/reproducible.sh windows

# The tests built for Windows, and gridora.exe played, under Wine (tests/windows.sh).
test-windows:
	scripts/install-deps.sh --windows --test
	$(call winconfigure,ON)
	cmake --build $(WINBUILD) -j $(JOBS)
	tests/windows.sh $(WINBUILD)

clean:
	rm -rf $(BUILD) $(WINBUILD)
