# Two commands for a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
# and `make package` for build/qm530_<version>_<arch>.deb.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test package screenshots clean

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

clean:
	rm -rf $(BUILD)
