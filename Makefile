# Two commands for a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
# and `make package` for build/qm530_<version>_<arch>.deb;
#   make windows           cross-build the command-line tool and its Qt-free
#                          tests for 64-bit Windows into build-windows/
#   make windows-test      run those tests and an end-to-end read, write and
#                          verify of qm530.exe under Wine
#   make windows-package   build-windows/qm530-<version>-windows-x64.zip, and
#                          qm530-<version>-setup.exe when the desktop
#                          program was built (make windows-gui)
#   make windows-gui       the desktop program for Windows with its runnable
#                          folder in build-windows-gui/bin; needs Qt for
#                          Windows from scripts/build-qt-windows (about 40 min)
#   make windows-gui-test  start it under Wine, read the in-process virtual
#                          radio, save, install, start and uninstall setup.exe
BUILD ?= build
WINDOWS_BUILD ?= build-windows
WINDOWS_GUI_BUILD ?= build-windows-gui
QT_WINDOWS ?= $(or $(QM530_QT_WINDOWS),$(HOME)/.cache/qm530/qt6-windows)
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test package screenshots clean \
	windows-deps windows windows-test windows-package windows-gui windows-gui-test

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

# With the desktop program built, the zip and the installer come from its
# build (the command-line tool is built there too); otherwise the zip holds
# the command-line tool alone.
windows-package: windows
	@if [ -x $(WINDOWS_GUI_BUILD)/bin/qm530-cps.exe ]; then \
	    $(MAKE) --no-print-directory windows-gui && \
	    cd $(WINDOWS_GUI_BUILD) && cpack -G "ZIP;NSIS" >/dev/null && \
	    ls $$PWD/qm530-*-windows-x64.zip $$PWD/qm530-*-setup.exe; \
	else \
	    cd $(WINDOWS_BUILD) && cpack -G ZIP >/dev/null && ls $$PWD/qm530-*-windows-x64.zip; \
	fi

windows-gui: windows-deps build
	@if [ ! -x "$(QT_WINDOWS)/bin/qt-cmake" ]; then \
	    echo "windows-gui: no Qt for Windows in $(QT_WINDOWS)."; \
	    echo "  Build it once with scripts/build-qt-windows (about 40 minutes on 2 cores;"; \
	    echo "  it installs there and resumes where it stopped), or point QT_WINDOWS at one."; \
	    exit 1; \
	fi
	@if [ ! -f $(WINDOWS_GUI_BUILD)/build.ninja ]; then \
	    "$(QT_WINDOWS)/bin/qt-cmake" -S . -B $(WINDOWS_GUI_BUILD) -G Ninja \
	        -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(abspath cmake/mingw-w64-x86_64.cmake) \
	        -DCMAKE_BUILD_TYPE=Release -DQM530_BENCH=OFF \
	        -DQM530_HOST_BIN_DIR=$(abspath $(BUILD))/bin >/dev/null; \
	fi
	@flock /tmp/qm530-build.lock cmake --build $(WINDOWS_GUI_BUILD) -j$(JOBS)

windows-gui-test: windows-gui
	@scripts/windows-gui-test $(WINDOWS_GUI_BUILD) $(BUILD)

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD) $(WINDOWS_GUI_BUILD)
