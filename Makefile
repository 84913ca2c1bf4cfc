# The two commands of the README: `make run` and `make test`.
BUILD   := build/release
LAB     := lab
# CI passes WERROR=ON so that a warning fails the build.
WERROR  ?= OFF
CONFIGURE = -DQUORVAN_WERROR=$(WERROR)

.PHONY: run test test-asan test-headless deps build lab bench clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset release $(CONFIGURE) >/dev/null
	@cmake --build --preset release

# The working directory: the skeleton of data/lab, copied without
# overwriting what a researcher already has there.
lab:
	@mkdir -p $(LAB)
	@cp -rn data/lab/. $(LAB)/
	@find $(LAB) -name .keep -delete

run: build lab
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: running the automatic test headless (quorvan-lab test --trials 200) in $(LAB)/"; \
	  cd $(LAB) && ../$(BUILD)/bin/quorvan-lab test --trials 200; \
	else \
	  cd $(LAB) && exec ../$(BUILD)/bin/quorvan; \
	fi

test: build lab
	@ctest --preset release

test-asan: deps
	@cmake --preset asan $(CONFIGURE) >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# The model, the laboratory and quorvan-lab alone, without Qt.
test-headless: deps
	@cmake --preset headless $(CONFIGURE) >/dev/null
	@cmake --build --preset headless
	@ctest --preset headless

bench: build
	@scripts/run-benchmarks.sh $(BUILD)

clean:
	rm -rf build
