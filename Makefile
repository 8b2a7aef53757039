# Two commands for a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
# and `make package` for build/qm530_<version>_<arch>.deb;
#   make windows           cross-build the command-line tool and its Qt-free
#                          tests for 64-bit Windows into build-windows/
#   make windows-test      run those tests and an end-to-end read, write and
#                          verify of qm530.exe under Wine
#   make windows-package   build-windows/qm530-<version>-windows-x64.zip
BUILD ?= build
WINDOWS_BUILD ?= build-windows
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test package screenshots clean \
	windows-deps windows windows-test windows-package

all: build

deps:
	@scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	    cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null; \
	fi

build: configure
	@flock /tmp/qm530-build.lock cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-program $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure --timeout 300

package: build
	@flock /tmp/qm530-build.lock cmake --build $(BUILD) --target package
	@ls $(BUILD)/qm530_*.deb

screenshots: build
	@scripts/screenshots $(BUILD)

windows-deps:
	@scripts/install-deps
	@scripts/install-deps windows

windows: windows-deps
	@if [ ! -f $(WINDOWS_BUILD)/build.ninja ]; then \
	    cmake -S . -B $(WINDOWS_BUILD) -G Ninja \
	        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
	        -DQM530_WITH_QT=OFF -DQM530_BENCH=OFF >/dev/null; \
	fi
	@flock /tmp/qm530-build.lock cmake --build $(WINDOWS_BUILD) -j$(JOBS)

windows-test: windows build
	@scripts/windows-test $(WINDOWS_BUILD) $(BUILD)

windows-package: windows
	@cd $(WINDOWS_BUILD) && cpack -G ZIP >/dev/null
	@ls $(WINDOWS_BUILD)/qm530-*-windows-x64.zip

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)
